#pragma once

#include "core/health/Attendance.h"
#include "reports/Report.h"

#include <QString>
#include <vector>

namespace pelinor {

// What the printed attendance sheet shows besides its rows.
struct AttendanceReportData
{
    QString className;
    QString period; // "时间：2026-11-01 到 2026-11-30" or "时间：全部"
    QString reportDate;
};

// The attendance sheet ("考勤统计") of a class: one row per child of `counts` (name and the five
// counts), over the scope the counts were built with. Every row is printed, 27 on the first page
// and 30 on each further one; without rows the sheet is one page with the heading only. Dated
// today.
Report makeAttendanceReport(
    const std::vector<AttendanceCount>& counts, const QString& className, const DateScope& scope);

// Paints one page: report date; on the first page the title, the class and the period; the table
// heading, the page's rows (from `info.rows`) and the page footer.
void DrawAttendanceReport(QPainter& painter, const ReportPageInfo& info, const AttendanceReportData& data);

} // namespace pelinor
