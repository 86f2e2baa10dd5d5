#pragma once

#include "core/common/Outcome.h"
#include "core/library/CategoryTree.h"

#include <optional>
#include <string>
#include <vector>

namespace pelinor {

class CppSQLite3DB;

// The two-level food category tree (FoodType). Screens know a category by its FoodTypeID, never by
// its position in a drop-down list: deleting a top-level category leaves a gap in the numbers.

// The tree of the food page: top-level categories and their children, ordered by number.
std::vector<CategoryBranch> foodCategoryTree();

// The top-level categories in stored order, for the drop-down lists of the dialogs.
std::vector<Category> foodTopCategories();

// The second-level categories of one top-level category, in stored order.
std::vector<Category> foodSubCategories(int topId);

// The second-level category of that name under the top-level category `topId`.
std::optional<int> findFoodSubCategory(int topId, const std::string& name);
// The same on the cook file's connection of a caller's unit of work.
std::optional<int> findFoodSubCategory(CppSQLite3DB& db, int topId, const std::string& name);

// Adds a second-level category under the top-level category named `parentName`.
Outcome<int> addFoodCategory(const std::string& parentName, const std::string& name);

// The category a tree item stands for: its name under the tree item named `parentName` (the root
// item or a top-level category).
std::optional<Category> loadFoodCategory(const std::string& name, const std::string& parentName);

// Saves an edited category. A top-level category only gets its new name; a second-level one moves
// under the top-level category `parentId` (refused when there is no such top-level category),
// taking its foods along.
Outcome<int> saveFoodCategory(const Category& loaded, int parentId, const std::string& newName);

// Whether the category of a tree item may be deleted: refused while it holds categories or foods.
// On success its value is the parent identifier the deletion needs.
Outcome<int> checkFoodCategoryDeletion(const std::string& name, const std::string& parentName);
void deleteFoodCategory(int parentId, const std::string& name);

} // namespace pelinor
