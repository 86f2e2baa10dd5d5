#pragma once

#include "core/setmeals/ChosenItem.h"
#include "core/setmeals/SetMeals.h"

namespace pelinor {

// The item line the set-meal page adds for a chosen item: the chooser's meal time, the weight as
// "%.2f", the composition and "是" for a dish.
SetMealItem setMealItemOf(const ChosenItem& chosen);

// The item after an edit: weight as "%.2f", the edited composition and, when one was chosen, the
// new meal time.
SetMealItem editedSetMealItem(const SetMealItem& item, const EditedDish& edited);

// What the food editor hands back for a single food: the composition is rebuilt from the new weight
// (name ":" weight "g；"), so it never keeps the old grams. The weight must be a plain number.
Outcome<EditedDish> editedFood(const std::string& foodName, const std::string& weight, const std::string& meal);

} // namespace pelinor
