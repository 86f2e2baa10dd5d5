#pragma once

namespace pelinor {

class TourContext;

// The tour pictures of the food and dish dialogs, each filled with data of the data folder.
void tourFoodAddDialog(TourContext& tour);
void tourFoodEditDialog(TourContext& tour);
void tourFoodCategoryAddDialog(TourContext& tour);
void tourFoodCategoryEditDialog(TourContext& tour);
void tourDishAddDialog(TourContext& tour);
void tourDishEditDialog(TourContext& tour);
void tourDishIngredientDialog(TourContext& tour);
void tourDishCategoryAddDialog(TourContext& tour);
void tourDishCategoryEditDialog(TourContext& tour);
void tourFoodWeightDialog(TourContext& tour);

} // namespace pelinor
