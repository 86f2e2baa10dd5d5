#pragma once

#include "core/common/Outcome.h"
#include "core/library/DishIngredientList.h"

#include <optional>
#include <string>
#include <vector>

namespace pelinor {

class CppSQLite3DB;

// The filter of the dish page when it opens.
inline constexpr const char* kFirstDishFilter = "儿童";

// One line of the dish list.
struct DishListRow
{
    std::string name;
    std::string weight;
    std::string foods;
    std::string id;
};

// Every dish whose name followed by its category text contains the filter, in the order shown (the
// page puts each row at the top, so the last row of the query comes first).
std::vector<DishListRow> listDishes(const std::string& filter);

// The texts of a dish the dialogs edit.
struct DishTexts
{
    std::string name; // 菜谱名称
    std::string category; // 所属分类, free text
    std::string intro; // 食物介绍
    std::string method; // 烹饪方法
    std::string value; // 食物价值
    std::string taboo; // 食物禁忌
    std::string suitable; // 适合人群
    std::string taste; // 口味
    std::string craft; // 工艺
};

struct LoadedDish
{
    int cookId = 0;
    DishTexts texts;
    DishIngredientList ingredients { IncompatibilityRule::MainIngredientsOnly };
    std::vector<Refusal> refusals; // main ingredients the check refused while loading
};

// The dish with that CookID (given as the list shows it), its ingredients run through the edit
// dialog's rule.
std::optional<LoadedDish> loadDish(const std::string& cookId);

// Saves a new dish with its ingredients: the checks, the new CookID and the rows in one transaction.
// Its value is the new CookID.
Outcome<int> addDish(const DishTexts& texts, const DishIngredientList& ingredients);
// The same on the cook file's connection of a caller's unit of work; nothing is committed here.
Outcome<int> addDish(CppSQLite3DB& cook, const DishTexts& texts, const DishIngredientList& ingredients);

// Replaces a dish and all its ingredient rows under the same CookID, checks included, in one
// transaction.
Outcome<int> saveEditedDish(int cookId, const DishTexts& texts, const DishIngredientList& ingredients);
Outcome<int> saveEditedDish(
    CppSQLite3DB& cook, int cookId, const DishTexts& texts, const DishIngredientList& ingredients);

// Deletes the dish of that CookID with its ingredient rows.
void deleteDish(int cookId);

} // namespace pelinor
