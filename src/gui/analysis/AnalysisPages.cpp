// The pages of the nutrition analysis.
#include "gui/navigation/PageRegistry.h"
#include "gui/widgets/CNoticePage.h"

namespace pelinor {

namespace {

// clang-format off
const PageRegistrar analysisPages({
    // The analysis (CYypcFxDlg): a notice page until its screen is built.
    { .id = PageId::Analysis, .title = "营养分析", .className = "CYypcFxDlg", .hub = PageId::PlanList,
      .create = [] { return new CNoticePage("营养分析"); },
      .tour = { { "page-10-analysis" } } },
});
// clang-format on

} // namespace

} // namespace pelinor
