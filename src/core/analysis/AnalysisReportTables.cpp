#include "core/analysis/AnalysisReportTables.h"

#include "core/analysis/PlanDayAnalysis.h"
#include "core/common/DecimalText.h"
#include "core/common/NumberFormat.h"

namespace pelinor {

std::string reportGrade(const std::string& actualText, const std::string& referenceText)
{
    return std::string(gradeWord(gradeAgainst(leadingDecimal(actualText), leadingDecimal(referenceText))));
}

std::string reportPercent(const std::string& actualText, const std::string& referenceText)
{
    const double reference = leadingDecimal(referenceText);
    if (!(reference > 0.000001)) {
        return {};
    }
    return formatFixed(leadingDecimal(actualText) / reference * 100.0, 2) + "%";
}

AnalysisReportTables analysisReportTables(const PlanDayAnalysis& analysis)
{
    AnalysisReportTables tables;
    for (const ContentRow& row : analysis.content.rows) {
        tables.menu.push_back(
            { row.cells[0], row.cells[1], row.cells[2], row.cells[3], row.cells[4], row.cells[5], row.cells[6] });
    }
    for (const FoodGroup& group : analysis.dietStructure.groups) {
        tables.foodGroups.push_back(
            { group.name, group.referenceText, group.actualText, reportGrade(group.actualText, group.referenceText) });
    }
    for (const ComparisonCell& cell : analysis.comparison.cells) {
        tables.nutrients.push_back({ cell.name, cell.referenceText, cell.actualText,
            reportPercent(cell.actualText, cell.referenceText), reportGrade(cell.actualText, cell.referenceText) });
    }
    for (const SourceShare& source : analysis.energySources.sources) {
        tables.energySources.push_back({ source.name, source.gramsText, source.shareText });
    }
    for (const SourceRatio& fat : analysis.macronutrients.fatSources) {
        tables.fatSources.push_back({ fat.name, fat.shareText });
    }
    for (const SourceRatio& protein : analysis.macronutrients.proteinSources) {
        tables.proteinSources.push_back({ protein.name, protein.shareText });
    }
    for (const Macronutrient& macro : analysis.macronutrients.macronutrients) {
        tables.ratios.push_back({ macro.name, macro.shareText, macro.referenceText });
    }
    return tables;
}

} // namespace pelinor
