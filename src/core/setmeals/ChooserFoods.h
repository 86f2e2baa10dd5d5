#pragma once

#include "core/library/FoodCatalog.h"

#include <vector>

namespace pelinor {

// The food lists of the item chooser beyond those the food page shares.

// The foods of a top-level category, as the food page lists its first category (the last row of the
// query first): what a double-click on a top-level tree item shows.
std::vector<FoodListRow> foodsOfTopCategory(int topId);

// The own-dish page's list for a top-level category: the foods of each of its second-level
// categories, category by category in stored order.
std::vector<FoodListRow> foodsUnderTopCategory(int topId);

} // namespace pelinor
