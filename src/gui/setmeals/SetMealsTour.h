#pragma once

namespace pelinor {

class TourContext;

// The tour pictures of the set-meal page and of its dialogs, filled with the data folder's set meals.
void tourSetMealPage(TourContext& tour);
void tourSetMealNewDialog(TourContext& tour);
void tourChooserDishes(TourContext& tour);
void tourChooserFoods(TourContext& tour);
void tourChooserOwnDish(TourContext& tour);
void tourSetMealDishEditor(TourContext& tour);
void tourSetMealFoodEditor(TourContext& tour);
void tourSetMealPicker(TourContext& tour);
void tourSetMealNameDialog(TourContext& tour);

} // namespace pelinor
