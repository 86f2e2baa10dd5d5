// The pages of the nutrition analysis.
#include "gui/analysis/AnalysisTour.h"
#include "gui/analysis/CYypcFxDlg.h"
#include "gui/navigation/PageRegistry.h"

namespace pelinor {

namespace {

// clang-format off
const PageRegistrar analysisPages({
    { .id = PageId::Analysis, .title = "营养分析", .className = "CYypcFxDlg", .hub = PageId::PlanList,
      .create = [] { return new CYypcFxDlg; },
      .tour = {
          { "page-10-analysis", tourAnalysisTab(CYypcFxDlg::ContentTab, "page-10-analysis") },
          { "page-10-analysis-comparison", tourAnalysisTab(CYypcFxDlg::ComparisonTab, "page-10-analysis-comparison") },
          { "page-10-analysis-diet", tourAnalysisTab(CYypcFxDlg::DietStructureTab, "page-10-analysis-diet") },
          { "page-10-analysis-nutrients", tourAnalysisTab(CYypcFxDlg::NutrientTab, "page-10-analysis-nutrients") },
          { "page-10-analysis-energy", tourAnalysisTab(CYypcFxDlg::EnergySourcesTab, "page-10-analysis-energy") },
          { "page-10-analysis-ratios", tourAnalysisTab(CYypcFxDlg::MacronutrientTab, "page-10-analysis-ratios") },
          { "page-10-analysis-overall", tourAnalysisTab(CYypcFxDlg::OverallTab, "page-10-analysis-overall") },
          { "dialog-analysis-report-1", tourAnalysisReport(0, 1, "dialog-analysis-report-1") },
          { "dialog-analysis-report-2", tourAnalysisReport(0, 2, "dialog-analysis-report-2") },
          { "dialog-analysis-report-3", tourAnalysisReport(0, 3, "dialog-analysis-report-3") },
          { "dialog-analysis-report-4", tourAnalysisReport(0, 4, "dialog-analysis-report-4") },
          { "dialog-analysis-report-class-1", tourAnalysisReport(1, 1, "dialog-analysis-report-class-1") },
          { "page-10-analysis-class", tourClassAnalysis },
      } },
});
// clang-format on

} // namespace

} // namespace pelinor
