// The pages of meal planning: the plan list (which checks C11 to C14 itself), the set-up, the
// editor, the menu view and the purchase list.
#include "gui/navigation/PageRegistry.h"
#include "gui/planning/CCgqdDlg.h"
#include "gui/planning/CYypcAddDlg.h"
#include "gui/planning/CYypcDhDlg.h"
#include "gui/planning/CYypcDlg.h"
#include "gui/planning/CYypcViewDlg.h"
#include "gui/planning/PlanningReportsTour.h"
#include "gui/planning/PlanningTour.h"

namespace pelinor {

namespace {

// clang-format off
const PageRegistrar planningPages({
    { .id = PageId::PlanList, .title = "营养配餐", .className = "CYypcDlg", .hub = PageId::PlanList,
      .refresh = Refresh::FromNavigationBar,
      .create = [] { return new CYypcDlg; },
      .tour = { { "page-01-plans" } } },
    { .id = PageId::PlanSetup, .title = "配餐向导", .className = "CYypcDhDlg", .hub = PageId::PlanList,
      .create = [] { return new CYypcDhDlg; },
      .tour = { { "page-07-plan-setup", tourPlanSetup } } },
    { .id = PageId::MenuView, .title = "食谱查看", .className = "CYypcViewDlg", .hub = PageId::PlanList,
      .create = [] { return new CYypcViewDlg; },
      .tour = {
          { "page-09-menu-view", tourMenuView },
          { "dialog-menu-preview", tourMenuPreview },
          { "dialog-preview-goto", tourPreviewGoTo },
          { "dialog-set-meal-name", tourSetMealName },
      } },
    { .id = PageId::PlanEditor, .title = "配餐编辑", .className = "CYypcAddDlg", .hub = PageId::PlanList,
      .create = [] { return new CYypcAddDlg; },
      .tour = {
          { "page-13-plan-editor", tourPlanEditor },
          { "page-13-plan-editor-child", tourPlanEditorChild },
      } },
    { .id = PageId::PurchaseList, .title = "采购清单", .className = "CCgqdDlg", .hub = PageId::InfoHub,
      .picture = ":/skin/sym-basket.svg", .stripPosition = 4,
      .refresh = Refresh::FromHub,
      .create = [] { return new CCgqdDlg; },
      .tour = {
          { "info-purchase-list", tourPurchaseList },
          { "dialog-purchase-preview", tourPurchasePreview },
      } },
});
// clang-format on

} // namespace

} // namespace pelinor
