#include "reports/ListReportPage.h"

#include "reports/ReportCanvas.h"
#include "reports/ReportPaging.h"

#include <QPainter>

namespace pelinor {

namespace {

constexpr double kRowHeightMm = 7.0;
constexpr double kHeadingHeightMm = 8.0;
constexpr double kFirstTableTopMm = 38.0;
constexpr double kFurtherTableTopMm = 16.0;

} // namespace

void drawListReportPage(QPainter& painter, const ReportPageInfo& info, const ListReportPage& page)
{
    ReportCanvas canvas(painter);
    if (!canvas.isReady()) {
        return;
    }
    const double margin = ReportCanvas::kMarginMm;
    const double width = ReportCanvas::kPageWidthMm - 2 * margin;
    canvas.drawPageFrame();
    canvas.drawReportDate(page.reportDate);
    double top = kFurtherTableTopMm;
    if (info.currentPage == 1) {
        canvas.drawText(QRectF(margin, 12, width, 13), page.title, canvas.font(24, true), Qt::AlignCenter);
        canvas.drawFittedText(QRectF(margin, 27, width, 8), page.subtitle, canvas.font(14), Qt::AlignCenter);
        top = kFirstTableTopMm;
    }
    ReportTable table(canvas, margin, page.columns);
    top = table.drawHeading(top, kHeadingHeightMm, canvas.font(page.headingPoints, true));
    const QFont cellFont = canvas.font(12);
    const auto rowCount = static_cast<int>(info.rows.size());
    const int first = firstRowOfPage(info.currentPage);
    for (int row = first; row < rowCount && row < first + rowsOnPage(info.currentPage); ++row) {
        top = table.drawRow(top, kRowHeightMm, info.rows[static_cast<std::size_t>(row)], cellFont);
    }
    canvas.drawPageFooter(info.currentPage, info.pageCount);
}

} // namespace pelinor
