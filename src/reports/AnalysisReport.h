#pragma once

#include "core/analysis/PlanDayAnalysis.h"
#include "reports/Report.h"

#include <QString>

namespace pelinor {

// What the printed analysis report ("营养配餐报告") gathers: the analysis of the day as the pages
// show it and the nutritionist's two free texts (the energy-source evaluation box and the overall
// evaluation).
struct AnalysisReportData
{
    PlanDayAnalysis analysis;
    QString energyEvaluation;
    QString overallEvaluation;
};

// The report, named "营养配餐报告" for the print job: four pages (more only when the day's menu or
// the nutritionist's texts are too long for them, so that nothing is cut off).
Report makeAnalysisReport(const AnalysisReportData& data);

} // namespace pelinor
