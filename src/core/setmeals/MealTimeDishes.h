#pragma once

#include "core/common/Outcome.h"
#include "core/setmeals/ChosenItem.h"

#include <string>
#include <vector>

namespace pelinor {

class CppSQLite3DB;

// The recommended dishes and foods of each meal time (table CXC of the cook file), which the plan
// editor offers for a double-click. Rows are acted on by their ID: the same name may stand in
// several rows.
struct MealTimeItem
{
    int id = 0;
    std::string meal;
    std::string name;
    std::string weight;
    std::string isDish; // "是" or "否"
};

// The rows of one meal time as the page lists them: each row is put at the top, so the last
// stored row comes first.
std::vector<MealTimeItem> mealTimeItems(const std::string& meal);

// The next free ID: one more than the largest, 1 for an empty table.
int NewCxcId(CppSQLite3DB& cookDb);

// Stores a chosen item under the page's meal time (the chooser's own meal time is not used); the
// outcome is the new row's ID. The weight must be a plain number.
Outcome<int> addMealTimeItem(const std::string& meal, const ChosenItem& item);

// Sets the weight of the row with that ID. The weight must be a plain number, since the plan
// editor builds a food's composition from it.
Outcome<> editMealTimeItemWeight(int id, const std::string& weight);

void deleteMealTimeItem(int id);

} // namespace pelinor
