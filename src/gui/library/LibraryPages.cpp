// The pages of the food and dish library, and the meal-time dish table.
#include "gui/library/CCookMageDlg.h"
#include "gui/library/CCptjDlg.h"
#include "gui/library/CFoodMageDlg.h"
#include "gui/library/LibraryTour.h"
#include "gui/navigation/PageRegistry.h"

namespace pelinor {

namespace {

// clang-format off
const PageRegistrar libraryPages({
    { .id = PageId::Foods, .title = "原料管理", .className = "CFoodMageDlg", .hub = PageId::RecipeHub,
      .permission = "C31", .picture = ":/skin/sym-food.svg", .stripPosition = 0, .homeTile = 0,
      .refresh = Refresh::FromHome,
      .create = [] { return new CFoodMageDlg; },
      .tour = {
          { "recipe-foods" },
          { "dialog-food-add", tourFoodAddDialog },
          { "dialog-food-edit", tourFoodEditDialog },
          { "dialog-food-category-add", tourFoodCategoryAddDialog },
          { "dialog-food-category-edit", tourFoodCategoryEditDialog },
      } },
    { .id = PageId::Dishes, .title = "食谱管理", .className = "CCookMageDlg", .hub = PageId::RecipeHub,
      .permission = "C32", .picture = ":/skin/sym-dish.svg", .stripPosition = 1, .homeTile = 1,
      .refresh = Refresh::FromHome,
      .create = [] { return new CCookMageDlg; },
      .tour = {
          { "recipe-dishes" },
          { "dialog-dish-add", tourDishAddDialog },
          { "dialog-dish-edit", tourDishEditDialog },
          { "dialog-dish-ingredient", tourDishIngredientDialog },
          { "dialog-dish-category-add", tourDishCategoryAddDialog },
          { "dialog-dish-category-edit", tourDishCategoryEditDialog },
          { "dialog-food-weight", tourFoodWeightDialog },
      } },
    { .id = PageId::MealTimeDishes, .title = "餐次菜肴", .className = "CCptjDlg", .hub = PageId::RecipeHub,
      .picture = ":/skin/sym-clock.svg", .stripPosition = 3,
      .create = [] { return new CCptjDlg; },
      .tour = { { "recipe-meal-time-dishes" } } },
});
// clang-format on

} // namespace

} // namespace pelinor
