// The pages of the set meals.
#include "gui/navigation/PageRegistry.h"
#include "gui/setmeals/CPackageDlg.h"
#include "gui/setmeals/SetMealsTour.h"

namespace pelinor {

namespace {

// clang-format off
const PageRegistrar setMealsPages({
    { .id = PageId::SetMeals, .title = "套餐管理", .className = "CPackageDlg", .hub = PageId::RecipeHub,
      .permission = "C33", .picture = ":/skin/sym-setmeal.svg", .stripPosition = 2, .homeTile = 2,
      .create = [] { return new CPackageDlg; },
      .tour = {
          { "recipe-set-meals", tourSetMealPage },
          { "dialog-set-meal-new", tourSetMealNewDialog },
          { "dialog-chooser-dishes", tourChooserDishes },
          { "dialog-chooser-foods", tourChooserFoods },
          { "dialog-chooser-own", tourChooserOwnDish },
          { "dialog-set-meal-dish-edit", tourSetMealDishEditor },
          { "dialog-set-meal-food-edit", tourSetMealFoodEditor },
          { "dialog-set-meal-picker", tourSetMealPicker },
          { "dialog-set-meal-name", tourSetMealNameDialog },
      } },
});
// clang-format on

} // namespace

} // namespace pelinor
