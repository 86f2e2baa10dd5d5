#pragma once

#include "core/health/ExaminationReport.h"
#include "reports/Report.h"

#include <QString>
#include <vector>

namespace pelinor {

struct Examination;

// What the printed examination report shows: the examination's groups in print order and the date
// the report is made.
struct HealthExaminationReportData
{
    std::vector<ExaminationReportGroup> groups;
    QString reportDate; // "%Y-%m-%d"
};

// The one-page "健康体检报告" of one examination, dated today.
Report makeHealthExaminationReport(const Examination& examination);

// Paints the report: report date, title, then a ruled form with one band per group (its heading on
// the left, three label-value pairs a line) and the closing lines (diet, state of health, date and
// doctor) below, and the page footer. Long values wrap inside their cell; when the whole form would
// run past the footer, the values' font shrinks until it fits.
void DrawHealthExaminationReport(
    QPainter& painter, const ReportPageInfo& info, const HealthExaminationReportData& data);

} // namespace pelinor
