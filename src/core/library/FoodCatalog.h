#pragma once

#include "core/common/NutrientVector.h"
#include "core/common/Outcome.h"

#include <optional>
#include <string>
#include <vector>

namespace pelinor {

class CppSQLite3DB;

// One line of a food list: the name and four nutrient values as stored.
struct FoodListRow
{
    std::string name;
    std::string energy;
    std::string protein;
    std::string fat;
    std::string carbohydrate;
};

// The food lists of the food page and of the ingredient chooser. Each is in the order shown: the
// pages put every row at the top of the list, so the last row of the query comes first.
std::vector<FoodListRow> foodsOfFirstCategory(); // what the food page shows when it opens
std::vector<FoodListRow> foodsOfSubCategory(int subCategoryId);
std::vector<FoodListRow> searchFoods(const std::string& text); // names containing the text; "" lists all
// The ingredient chooser's list of a second-level category, which it knows by the drop-down texts.
std::vector<FoodListRow> foodsOfNamedSubCategory(int topId, const std::string& subCategoryName);

// What the food dialogs hold.
struct FoodForm
{
    int topId = 0; // FoodTypeID of the chosen top-level category, 0 when none is chosen
    std::string subCategoryName; // text of the chosen second-level category, empty when none
    std::string name;
    std::string gongxiao; // 食用功效
    std::string tiaoxuan; // 原料挑选
    std::string chucang; // 原料储藏
    std::string xingwei; // 性味功效
    std::string jieshao; // 原料介绍
    std::string goesWellWith; // 食物相宜: other foods joined by "|"
    std::string goesWellNotes; // 相宜介绍: their descriptions joined by "|"
    std::string incompatibleWith; // 食物相克
    std::string incompatibleNotes; // 相克介绍
    NutrientVector nutrients; // per 100 g; stored in single precision like the dialogs' number boxes
};

// A food as the edit dialog loads it, with what the save needs to write it back.
struct LoadedFood
{
    int foodId = 0;
    int bigTypeId = 0;
    int smallTypeId = 0;
    int subPosition = -1; // position of the second-level category among its siblings, -1 when not found
    std::string photo; // CollocationPhoto
    FoodForm form;
};

std::optional<LoadedFood> loadFood(const std::string& name);

// Adds a food with its descriptive texts and relations. Its value is its second-level category.
Outcome<int> addFood(const FoodForm& form);

// Writes an edited food back under its identifier. Its value is its second-level category.
Outcome<int> saveEditedFood(const LoadedFood& loaded, const FoodForm& form);
// The same on the cook file's connection of a caller's unit of work that has the gright file
// attached.
Outcome<int> saveEditedFood(CppSQLite3DB& cook, const LoadedFood& loaded, const FoodForm& form);

// Deletes the food of that name with its descriptive texts. Its value is the second-level
// category it was in (0 when no food has the name).
Outcome<int> deleteFood(const std::string& name);

} // namespace pelinor
