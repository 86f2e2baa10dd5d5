#include "reports/AttendanceReport.h"

#include "reports/ReportCanvas.h"
#include "reports/ReportPaging.h"
#include "reports/ReportTable.h"

#include <QPainter>
#include <algorithm>

namespace pelinor {

namespace {

constexpr double kNameColumnMm = 42.0;
constexpr double kRowHeightMm = 7.0;
constexpr double kHeadingHeightMm = 8.0;
constexpr double kFirstTableTopMm = 38.0;
constexpr double kFurtherTableTopMm = 16.0;

std::vector<ReportColumn> attendanceColumns(double width)
{
    std::vector<ReportColumn> columns { { QStringLiteral("姓名"), kNameColumnMm, Qt::AlignCenter } };
    for (const auto kind : kAttendanceKinds) {
        columns.push_back({ utf8Text(kind), (width - kNameColumnMm) / kAttendanceKindCount, Qt::AlignCenter });
    }
    return columns;
}

} // namespace

Report makeAttendanceReport(
    const std::vector<AttendanceCount>& counts, const QString& className, const DateScope& scope)
{
    ReportPageInfo info;
    for (const auto& child : counts) {
        QStringList row { utf8Text(child.name) };
        for (const int count : child.counts) {
            row << QString::number(count);
        }
        info.rows.push_back(row);
    }
    // An empty sheet still prints: it states that nobody had an event in the period.
    info.itemCount = std::max(1, static_cast<int>(info.rows.size()));
    const AttendanceReportData data { className, utf8Text(scopeText(scope)), todayReportDate() };
    return Report(QStringLiteral("考勤统计"), std::move(info),
        [data](QPainter& painter, const ReportPageInfo& page) { DrawAttendanceReport(painter, page, data); });
}

void DrawAttendanceReport(QPainter& painter, const ReportPageInfo& info, const AttendanceReportData& data)
{
    ReportCanvas canvas(painter);
    if (!canvas.isReady()) {
        return;
    }
    const double margin = ReportCanvas::kMarginMm;
    const double width = ReportCanvas::kPageWidthMm - 2 * margin;
    canvas.drawPageFrame();
    canvas.drawReportDate(data.reportDate);
    double top = kFurtherTableTopMm;
    if (info.currentPage == 1) {
        canvas.drawText(
            QRectF(margin, 12, width, 13), QStringLiteral("考勤统计"), canvas.font(24, true), Qt::AlignCenter);
        QString line = data.period;
        if (!data.className.isEmpty()) {
            line = QStringLiteral("班级：%1    %2").arg(data.className, data.period);
        }
        canvas.drawFittedText(QRectF(margin, 27, width, 8), line, canvas.font(14), Qt::AlignCenter);
        top = kFirstTableTopMm;
    }
    ReportTable table(canvas, margin, attendanceColumns(width));
    top = table.drawHeading(top, kHeadingHeightMm, canvas.font(14, true));
    const QFont cellFont = canvas.font(12);
    const auto rowCount = static_cast<int>(info.rows.size());
    const int first = firstRowOfPage(info.currentPage);
    for (int row = first; row < rowCount && row < first + rowsOnPage(info.currentPage); ++row) {
        top = table.drawRow(top, kRowHeightMm, info.rows[static_cast<std::size_t>(row)], cellFont);
    }
    canvas.drawPageFooter(info.currentPage, info.pageCount);
}

} // namespace pelinor
