#include "../GuiTestSupport.h"
#include "PdfText.h"
#include "gui/print/CPageSpinBox.h"
#include "gui/print/CPreGotoDlg.h"
#include "gui/print/CPreParentDlg.h"
#include "gui/print/CPreViewDlg.h"
#include "reports/ReportCanvas.h"

#include <QAction>
#include <QApplication>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

using namespace pelinor;

namespace {

// Replaces the field's text as a user does: select everything, delete it, type.
void type(QWidget* field, const char* text)
{
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, QString::fromLatin1(text));
}

// A report whose routine writes its page number and keeps a log of what it was asked to paint.
struct PaintLog
{
    QStringList calls;
};

Report loggedReport(int itemCount, std::shared_ptr<PaintLog> log)
{
    ReportPageInfo info;
    info.itemCount = itemCount;
    return Report(QStringLiteral("预览测试"), info, [log](QPainter& painter, const ReportPageInfo& page) {
        log->calls << QStringLiteral("%1%2").arg(page.printing ? "print " : "show ").arg(page.currentPage);
        ReportCanvas canvas(painter);
        canvas.drawPageFrame();
        canvas.drawText(QRectF(20, 20, 140, 12), QStringLiteral("第%1页内容").arg(page.currentPage), canvas.font(14),
            Qt::AlignLeft);
    });
}

class PrintPreviewTest : public test::GuiTest
{
protected:
    PrintPreviewTest()
    {
        // Never a real printer or a real file dialog, whatever the machine has.
        m_printers = CPreParentDlg::setPrinterSource([] { return std::unique_ptr<QPrinter>(); });
        m_chooser = CPreParentDlg::setPdfPathChooser([](QWidget*, const QString&) { return QString(); });
    }
    ~PrintPreviewTest() override
    {
        CPreParentDlg::setPrinterSource(m_printers);
        CPreParentDlg::setPdfPathChooser(m_chooser);
    }
    // "fpgnl": which of first, previous, go-to, next and last are enabled, as letters or "-".
    static std::string tools(const CPreParentDlg& preview)
    {
        const char letters[] = "fpgnl";
        std::string state;
        for (int i = 0; i < 5; ++i) {
            state += preview.tool(static_cast<CPreParentDlg::Tool>(i))->isEnabled() ? letters[i] : '-';
        }
        return state;
    }

    std::shared_ptr<PaintLog> m_log = std::make_shared<PaintLog>();
    test::TempDirectory m_dir;

private:
    CPreParentDlg::PrinterSource m_printers;
    CPreParentDlg::PdfPathChooser m_chooser;
};

} // namespace

TEST_F(PrintPreviewTest, ToolsFollowThePageShown)
{
    CPreParentDlg preview(loggedReport(88, m_log)); // four pages
    EXPECT_EQ(preview.windowTitle(), QStringLiteral("打印预览"));
    EXPECT_EQ(preview.pageCount(), 4);
    const struct
    {
        CPreParentDlg::Tool tool;
        int page;
        const char* enabled;
    } steps[] = {
        { CPreParentDlg::ToolCount, 1, "--gnl" }, // as opened
        { CPreParentDlg::NextPage, 2, "fpgnl" },
        { CPreParentDlg::NextPage, 3, "fpgnl" },
        { CPreParentDlg::NextPage, 4, "fpg--" },
        { CPreParentDlg::PreviousPage, 3, "fpgnl" },
        { CPreParentDlg::FirstPage, 1, "--gnl" },
        { CPreParentDlg::LastPage, 4, "fpg--" },
    };
    for (const auto& step : steps) {
        if (step.tool != CPreParentDlg::ToolCount) {
            preview.tool(step.tool)->trigger();
        }
        EXPECT_EQ(preview.currentPage(), step.page);
        EXPECT_EQ(preview.pageView()->currentPage(), step.page);
        EXPECT_EQ(tools(preview), step.enabled) << step.page;
    }
    // Each page was painted for the screen as it was shown.
    EXPECT_EQ(m_log->calls.last(), QStringLiteral("show 4"));
    EXPECT_TRUE(m_log->calls.contains(QStringLiteral("show 2")));

    // One page: nothing to move to.
    CPreParentDlg single(loggedReport(27, m_log));
    EXPECT_EQ(tools(single), "-----");
}

TEST_F(PrintPreviewTest, GoingToAPageThroughTheDialog)
{
    CPreParentDlg preview(loggedReport(88, m_log));
    const struct
    {
        const char* typed;
        bool ok;
        int page;
        const char* enabled;
    } cases[] = {
        { "2", true, 2, "fpgnl" },
        { "9", true, 4, "fpg--" }, // above the page count: the last page
        { "1", true, 1, "--gnl" },
        { "3", false, 1, "--gnl" }, // cancelled: the page stays
        { "0", true, 1, "--gnl" },
    };
    for (const auto& c : cases) {
        const int paintedBefore = static_cast<int>(m_log->calls.size());
        test::whenModal<CPreGotoDlg>([&c](CPreGotoDlg* dialog) {
            type(dialog->pageField(), c.typed);
            c.ok ? dialog->okButton()->click() : dialog->reject();
        });
        preview.tool(CPreParentDlg::GoToPage)->trigger();
        EXPECT_EQ(preview.currentPage(), c.page) << c.typed;
        EXPECT_EQ(tools(preview), c.enabled) << c.typed;
        EXPECT_GT(m_log->calls.size(), paintedBefore) << c.typed; // repainted even when cancelled
    }
}

TEST_F(PrintPreviewTest, TheGoToFieldKeepsWithinThePages)
{
    const struct
    {
        const char* typed;
        int page;
    } cases[] = { { "0", 1 }, { "1", 1 }, { "3", 3 }, { "4", 4 }, { "5", 4 }, { "999999", 4 }, { "", 1 } };
    for (const auto& c : cases) {
        CPreGotoDlg dialog(2, 4);
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("转到页"));
        EXPECT_EQ(dialog.pageField()->value(), 2);
        type(dialog.pageField(), c.typed);
        EXPECT_EQ(dialog.page(), c.page) << c.typed;
        dialog.pageField()->clampNow(); // as when the field loses the focus
        EXPECT_EQ(dialog.pageField()->value(), c.page) << c.typed;
    }
    CPreGotoDlg last(4, 4);
    last.pageField()->stepBy(1);
    EXPECT_EQ(last.pageField()->value(), 4);
    last.pageField()->stepBy(-9);
    EXPECT_EQ(last.pageField()->value(), 1);
}

TEST_F(PrintPreviewTest, AReportWithoutRowsOpensNothing)
{
    // Should a preview open, it is closed again (by a timer that ends with this test).
    QTimer guard;
    guard.setSingleShot(true);
    guard.callOnTimeout([] {
        if (auto* stuck = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            stuck->reject();
        }
    });
    guard.start(3000);
    CPreParentDlg::preview(nullptr, loggedReport(0, m_log));
    EXPECT_TRUE(m_log->calls.isEmpty());
}

TEST_F(PrintPreviewTest, WithoutAPrinterPrintingSaysSoAndDoesNothingElse)
{
    CPreParentDlg preview(loggedReport(40, m_log));
    m_log->calls.clear();
    m_prompts->queueAnswer(false);
    preview.tool(CPreParentDlg::PrintReport)->trigger();
    EXPECT_EQ(m_prompts->texts(), QStringList { QStringLiteral("决定打印当前报表吗?") });
    EXPECT_EQ(m_prompts->lastCaption(), QStringLiteral("打印提示"));

    m_prompts->clear();
    preview.tool(CPreParentDlg::PrintReport)->trigger();
    EXPECT_EQ(m_prompts->texts(),
        (QStringList { QStringLiteral("决定打印当前报表吗?"), QStringLiteral("打印机初始化失败!") }));
    EXPECT_EQ(m_prompts->lastCaption(), QStringLiteral("错误"));
    EXPECT_TRUE(m_log->calls.isEmpty());
}

TEST_F(PrintPreviewTest, PrintingFromPageThreePrintsEveryPage)
{
    const std::string path = m_dir.path() + "/printed.pdf";
    CPreParentDlg::setPrinterSource([path] {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(QString::fromStdString(path));
        return printer;
    });
    CPreParentDlg preview(loggedReport(88, m_log));
    preview.tool(CPreParentDlg::NextPage)->trigger();
    preview.tool(CPreParentDlg::NextPage)->trigger();
    m_log->calls.clear();
    preview.tool(CPreParentDlg::PrintReport)->trigger();
    EXPECT_EQ(m_log->calls, (QStringList { "print 1", "print 2", "print 3", "print 4" }));
    EXPECT_EQ(preview.currentPage(), 3);
    EXPECT_EQ(m_prompts->texts(), QStringList { QStringLiteral("决定打印当前报表吗?") });
    EXPECT_EQ(test::pdfPageCount(path), 4);
    EXPECT_NE(test::pdfText(path, 4, 4).find("第4页内容"), std::string::npos);
}

TEST_F(PrintPreviewTest, ExportingWritesTheWholeReportAsPdf)
{
    QString suggested;
    const std::string chosen = m_dir.path() + "/导出";
    CPreParentDlg::setPdfPathChooser([&](QWidget*, const QString& path) {
        suggested = path;
        return QString::fromStdString(chosen);
    });
    CPreParentDlg preview(loggedReport(58, m_log));
    preview.tool(CPreParentDlg::ExportPdf)->trigger();
    EXPECT_TRUE(suggested.endsWith(QStringLiteral("预览测试.pdf"))) << suggested.toStdString();
    EXPECT_EQ(test::pdfPageCount(chosen + ".pdf"), 3);
    EXPECT_TRUE(m_prompts->lastText().contains(QStringLiteral("导出.pdf")));

    // Cancelled: nothing is written or said.
    m_prompts->clear();
    CPreParentDlg::setPdfPathChooser([](QWidget*, const QString&) { return QString(); });
    preview.tool(CPreParentDlg::ExportPdf)->trigger();
    EXPECT_TRUE(m_prompts->texts().isEmpty());

    // A folder that does not exist: an error, no file.
    CPreParentDlg::setPdfPathChooser(
        [this](QWidget*, const QString&) { return QString::fromStdString(m_dir.path() + "/无/a.pdf"); });
    preview.tool(CPreParentDlg::ExportPdf)->trigger();
    EXPECT_EQ(m_prompts->lastCaption(), QStringLiteral("错误"));
}

TEST(PreviewWheelTest, WheelTurnsBecomeLineSteps)
{
    const struct
    {
        int remainder;
        int delta;
        int step;
        int lines;
        int left;
    } cases[] = {
        { 0, 120, 40, 3, 0 }, // three wheel lines per notch
        { 0, -120, 40, -3, 0 },
        { 0, 50, 40, 1, 10 },
        { 10, 30, 40, 1, 0 },
        { 0, 30, 120, 0, 30 }, // a touchpad's small delta waits for more
        { 30, -60, 120, 0, -30 },
        { 0, 120, 0, 0, 0 }, // no wheel lines wanted: nothing scrolls, nothing hangs
        { 25, -120, 0, 0, 0 },
    };
    for (const auto& c : cases) {
        int remainder = c.remainder;
        EXPECT_EQ(CPreViewDlg::takeWheelLines(remainder, c.delta, c.step), c.lines) << c.delta << "/" << c.step;
        EXPECT_EQ(remainder, c.left) << c.delta << "/" << c.step;
    }
}

TEST_F(PrintPreviewTest, ThePageViewScrollsOverThePageAndItsMargins)
{
    CPreParentDlg preview(loggedReport(5, m_log));
    preview.resize(700, 500);
    preview.show();
    QApplication::processEvents();
    CPreViewDlg* view = preview.pageView();
    const int dpiX = view->logicalDpiX();
    const int dpiY = view->logicalDpiY();
    const QSize page = view->pageImage().deviceIndependentSize().toSize();
    EXPECT_NEAR(page.width(), 182 * dpiX / 25.4, 1.0);
    EXPECT_NEAR(page.height(), 257 * dpiY / 25.4, 1.0);
    QScrollBar* vertical = view->verticalScrollBar();
    EXPECT_EQ(vertical->maximum(), page.height() + dpiY - view->viewport()->height());
    EXPECT_EQ(vertical->singleStep(), 15);
    EXPECT_EQ(vertical->pageStep(), view->viewport()->height());

    const int lines = QApplication::wheelScrollLines();
    QApplication::setWheelScrollLines(3);
    QWheelEvent down(QPointF(50, 50), view->viewport()->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, -120),
        Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view->viewport(), &down);
    EXPECT_EQ(vertical->value(), 45);
    // One line per notch: half a notch waits, the next half scrolls one line.
    QApplication::setWheelScrollLines(1);
    QWheelEvent half(QPointF(50, 50), view->viewport()->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, -60),
        Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view->viewport(), &half);
    EXPECT_EQ(vertical->value(), 45);
    QApplication::sendEvent(view->viewport(), &half);
    EXPECT_EQ(vertical->value(), 60);
    QApplication::setWheelScrollLines(lines);

    view->resize(view->width() - 10, view->height() - 10); // resizing goes back to the top
    QApplication::processEvents();
    EXPECT_EQ(vertical->value(), 0);
}
