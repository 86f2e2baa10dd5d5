#include "reports/AttendanceReport.h"

#include "reports/ListReportPage.h"
#include "reports/ReportCanvas.h"

#include <QPainter>
#include <algorithm>

namespace pelinor {

namespace {

constexpr double kNameColumnMm = 42.0;

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
    const QString subtitle
        = data.className.isEmpty() ? data.period : QStringLiteral("班级：%1    %2").arg(data.className, data.period);
    const double width = ReportCanvas::kPageWidthMm - 2 * ReportCanvas::kMarginMm;
    drawListReportPage(
        painter, info, { QStringLiteral("考勤统计"), subtitle, data.reportDate, attendanceColumns(width), 14 });
}

} // namespace pelinor
