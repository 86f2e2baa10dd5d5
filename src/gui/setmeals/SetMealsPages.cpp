// The pages of the set meals.
#include "gui/navigation/PageRegistry.h"
#include "gui/widgets/CNoticePage.h"

namespace pelinor {

namespace {

// clang-format off
const PageRegistrar setMealsPages({
    // The set meals (CPackageDlg): a notice page until its screen is built.
    { .id = PageId::SetMeals, .title = "套餐管理", .className = "CPackageDlg", .hub = PageId::RecipeHub,
      .permission = "C33", .picture = ":/skin/sym-setmeal.svg", .stripPosition = 2, .homeTile = 2,
      .create = [] { return new CNoticePage("套餐管理"); },
      .tour = { { "recipe-set-meals" } } },
});
// clang-format on

} // namespace

} // namespace pelinor
