#pragma once

#include <string>
#include <vector>

namespace pelinor {

class CppSQLite3DB;

// One row of FoodType or CookType.
struct Category
{
    int id = 0;
    int parentId = 0; // 0 for a top-level category
    std::string name;
};

// A top-level category with its second-level categories, as the management pages' trees show them.
struct CategoryBranch
{
    Category top;
    std::vector<Category> children;
};

// Every row of a "SELECT * FROM FoodType/CookType ..." statement, in query order.
std::vector<Category> readCategories(CppSQLite3DB& db, const std::string& sql);

// The first of `rows` under the given parent, or nullptr. Category names repeat across parents
// (several top-level categories may each have an "其他"), so a lookup by name alone is not enough.
const Category* categoryUnder(const std::vector<Category>& rows, int parentId);

} // namespace pelinor
