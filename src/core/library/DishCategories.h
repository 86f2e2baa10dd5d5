#pragma once

#include "core/common/Outcome.h"
#include "core/library/CategoryTree.h"

#include <optional>
#include <string>
#include <vector>

namespace pelinor {

// The two-level dish category tree (CookType). It is a browsing aid: a dish names its category as
// free text, and the dish page finds dishes by text.

// The tree of the dish page, ordered by number.
std::vector<CategoryBranch> dishCategoryTree();

// The top-level categories as the add dialog offers them (by number) and as the edit dialog offers
// them (stored order, where position p is preselected for the parent p + 1).
std::vector<Category> dishTopCategoriesByNumber();
std::vector<Category> dishTopCategories();

// Adds a second-level category under the top-level category named `parentName`.
Outcome<int> addDishCategory(const std::string& parentName, const std::string& name);

// The category a tree item stands for: its name under the item named `parentName`.
std::optional<Category> loadDishCategory(const std::string& name, const std::string& parentName);

// Saves an edited category: a top-level one gets its new name only, a second-level one also moves
// under the top-level category named `parentName`. Dishes are not touched.
Outcome<int> saveDishCategory(const Category& loaded, const std::string& parentName, const std::string& newName);

// Whether the category of a tree item may be deleted: refused while it has second-level categories or
// while any dish's category text contains its name. On success its value is the parent identifier.
Outcome<int> checkDishCategoryDeletion(const std::string& name, const std::string& parentName);
void deleteDishCategory(int parentId, const std::string& name);

} // namespace pelinor
