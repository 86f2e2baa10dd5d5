#include "PdfText.h"
#include "TempDataFolder.h"
#include "reports/PageNavigation.h"
#include "reports/Report.h"
#include "reports/ReportCanvas.h"
#include "reports/ReportOutput.h"
#include "reports/ReportPaging.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace pelinor;

namespace {

// A report that writes what it was asked to paint on the page and keeps a log of the calls.
struct PaintLog
{
    std::vector<std::string> calls;
};

Report loggingReport(int itemCount, std::shared_ptr<PaintLog> log, int currentPage = 1)
{
    ReportPageInfo info;
    info.itemCount = itemCount;
    info.currentPage = currentPage;
    return Report(QStringLiteral("测试报表"), info, [log](QPainter& painter, const ReportPageInfo& page) {
        log->calls.push_back(std::to_string(page.currentPage) + "/" + std::to_string(page.pageCount)
            + (page.printing ? " print" : " screen"));
        ReportCanvas canvas(painter);
        canvas.drawPageFrame();
        canvas.drawText(
            QRectF(20, 20, 140, 10), QStringLiteral("页面%1").arg(page.currentPage), canvas.font(14), Qt::AlignLeft);
        canvas.drawPageFooter(page.currentPage, page.pageCount);
    });
}

} // namespace

TEST(ReportPagingTest, PagesFollowTwentySevenRowsThenThirtyPerPage)
{
    const struct
    {
        int items;
        int pages;
    } cases[] = { { -5, 0 }, { 0, 0 }, { 1, 1 }, { 20, 1 }, { 27, 1 }, { 28, 2 }, { 57, 2 }, { 58, 3 }, { 87, 3 },
        { 88, 4 }, { 110, 4 }, { 117, 4 }, { 118, 5 } };
    for (const auto& c : cases) {
        EXPECT_EQ(reportPageCount(c.items), c.pages) << c.items;
    }
    const struct
    {
        int page;
        int first;
        int rows;
    } pages[] = { { 1, 0, 27 }, { 2, 27, 30 }, { 3, 57, 30 }, { 4, 87, 30 } };
    for (const auto& p : pages) {
        EXPECT_EQ(firstRowOfPage(p.page), p.first) << p.page;
        EXPECT_EQ(rowsOnPage(p.page), p.rows) << p.page;
    }
}

TEST(ReportPagingTest, GoingToAPageClampsToTheReport)
{
    const struct
    {
        int asked;
        int pages;
        int page;
    } cases[] = { { 0, 4, 1 }, { -3, 4, 1 }, { 1, 4, 1 }, { 3, 4, 3 }, { 4, 4, 4 }, { 5, 4, 4 }, { 999999, 4, 4 },
        { 2, 1, 1 }, { 2, 0, 1 } };
    for (const auto& c : cases) {
        EXPECT_EQ(clampPage(c.asked, c.pages), c.page) << c.asked << " of " << c.pages;
    }
}

TEST(PageNavigationTest, MovesOpenAndCloseAsThePageChanges)
{
    // A report of 88 rows has four pages.
    PageNavigation navigation(reportPageCount(88));
    EXPECT_EQ(navigation.pageCount(), 4);
    const struct
    {
        const char* move;
        int page;
        bool back;
        bool forward;
    } steps[] = {
        { "start", 1, false, true },
        { "next", 2, true, true },
        { "next", 3, true, true }, // next stays open on page 3 …
        { "next", 4, true, false }, // … and closes on the last page
        { "next", 4, true, false },
        { "previous", 3, true, true },
        { "first", 1, false, true },
        { "previous", 1, false, true },
        { "last", 4, true, false },
        { "goto 2", 2, true, true },
        { "goto 1", 1, false, true },
        { "goto 4", 4, true, false },
        { "goto 0", 1, false, true },
        { "goto 9", 4, true, false },
    };
    for (const auto& step : steps) {
        const std::string move = step.move;
        if (move == "next") {
            navigation.next();
        } else if (move == "previous") {
            navigation.previous();
        } else if (move == "first") {
            navigation.first();
        } else if (move == "last") {
            navigation.last();
        } else if (move.starts_with("goto ")) {
            navigation.goTo(std::stoi(move.substr(5)));
        }
        EXPECT_EQ(navigation.currentPage(), step.page) << move;
        EXPECT_EQ(navigation.canGoBack(), step.back) << move;
        EXPECT_EQ(navigation.canGoForward(), step.forward) << move;
        EXPECT_TRUE(navigation.canGoTo());
    }
    // One page (27 rows): nothing to move to.
    const PageNavigation single(reportPageCount(27));
    EXPECT_FALSE(single.canGoBack());
    EXPECT_FALSE(single.canGoForward());
    EXPECT_FALSE(single.canGoTo());
}

TEST(ReportOutputTest, PrintingRunsEveryPageWhateverPageIsShown)
{
    auto log = std::make_shared<PaintLog>();
    const Report report = loggingReport(88, log, 3);
    EXPECT_EQ(report.pageCount(), 4);
    EXPECT_EQ(report.info().currentPage, 3);

    test::TempDirectory dir;
    const std::string path = dir.path() + "/报表.pdf";
    ASSERT_EQ(writeReportPdf(report, QString::fromStdString(path)), QString());
    EXPECT_EQ(log->calls, (std::vector<std::string> { "1/4 print", "2/4 print", "3/4 print", "4/4 print" }));
    EXPECT_EQ(test::pdfPageCount(path), 4);
    EXPECT_NE(test::pdfText(path, 3, 3).find("页面3"), std::string::npos);
    EXPECT_NE(test::pdfText(path, 3, 3).find("第 3 页/共 4 页"), std::string::npos);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(path + ".part")));
}

TEST(ReportOutputTest, APreviewPageIsTheReportPageAtTheScreensResolution)
{
    auto log = std::make_shared<PaintLog>();
    const Report report = loggingReport(40, log);
    // 182 × 257 mm at 96 dpi: 687.9 × 971.3 pixels, rounded up.
    const QImage page = renderReportPage(report, 2, 96, 96);
    EXPECT_EQ(page.size(), QSize(688, 972));
    EXPECT_EQ(page.logicalDpiX(), 96);
    const QImage large = renderReportPage(report, 9, 144, 192);
    EXPECT_EQ(large.size(), QSize(1032, 1943));
    EXPECT_EQ(log->calls, (std::vector<std::string> { "2/2 screen", "2/2 screen" })); // page 9 of 2 is page 2
    // The frame is drawn in black at the page's edge, the page itself is white.
    EXPECT_EQ(page.pixelColor(0, 400), QColor(Qt::black));
    EXPECT_EQ(page.pixelColor(300, 30), QColor(Qt::white));
}

TEST(ReportOutputTest, NothingIsPaintedForAnEmptyReportOrADeadPainter)
{
    auto log = std::make_shared<PaintLog>();
    const Report empty = loggingReport(0, log);
    EXPECT_TRUE(empty.isEmpty());
    EXPECT_EQ(empty.pageCount(), 0);
    test::TempDirectory dir;
    const QString path = QString::fromStdString(dir.path() + "/空.pdf");
    EXPECT_FALSE(writeReportPdf(empty, path).isEmpty());
    EXPECT_FALSE(QFile::exists(path));

    const Report report = loggingReport(5, log);
    QPainter idle;
    report.paintPage(idle, 1, false);
    EXPECT_TRUE(log->calls.empty());
}

TEST(ReportOutputTest, APdfGoesOnlyWhereItCanBeWritten)
{
    auto log = std::make_shared<PaintLog>();
    const Report report = loggingReport(5, log);
    test::TempDirectory dir;
    const QString missingFolder = QString::fromStdString(dir.path() + "/没有/a.pdf");
    const QString message = writeReportPdf(report, missingFolder);
    EXPECT_TRUE(message.contains(missingFolder)) << message.toStdString();

    const QString path = QString::fromStdString(dir.path() + "/a.pdf");
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old");
    }
    ASSERT_EQ(writeReportPdf(report, path), QString());
    EXPECT_EQ(test::pdfPageCount(path.toStdString()), 1);
}
