#include "core/library/Dishes.h"

#include "core/common/AppInfo.h"
#include "core/common/NameText.h"
#include "core/db/DatabaseConnection.h"
#include "core/db/NextId.h"
#include "core/db/SqlFormat.h"
#include "core/db/UnitOfWork.h"

#include <algorithm>

namespace pelinor {

namespace {

constexpr const char* kDishExists = "该菜谱已经存在！";
constexpr const char* kNameEmpty = "菜谱名称不能为空！";
constexpr const char* kFoodIdMissing = "获取原料ID失败";

// Another dish of that name, if there is one.
bool otherDishNamed(CppSQLite3DB& cook, const std::string& name, int ownId)
{
    for (auto query = cook.execQuery(formatSql("SELECT * FROM  CookShow  WHERE CookName = '%s'", name)); !query.eof();
         query.nextRow()) {
        if (query.getIntField(0) != ownId) {
            return true;
        }
    }
    return false;
}

// The FoodID of every row, top first; empty when a row's food no longer exists.
std::optional<std::vector<int>> foodIdsOf(CppSQLite3DB& cook, const DishIngredientList& ingredients)
{
    std::vector<int> ids;
    for (const auto& row : ingredients.rows()) {
        auto query = cook.execQuery(formatSql("SELECT * FROM FoodShow WHERE FoodName = '%s'", row.foodName));
        if (query.eof()) {
            return std::nullopt;
        }
        ids.push_back(query.getIntField(0));
    }
    return ids;
}

// Set meals and plans find a dish by its name: blanks around it or invisible characters in it must
// not make a second 红烧肉.
DishTexts withCleanName(const DishTexts& typed)
{
    DishTexts texts = typed;
    texts.name = cleanName(typed.name);
    return texts;
}

Outcome<int> checkDish(CppSQLite3DB& cook, int ownId, const DishTexts& texts)
{
    if (texts.name.empty()) {
        return refuse(kNameEmpty);
    }
    // Set meals, plans and the meal-time table name dishes by name: two dishes of one name corrupt them.
    if (otherDishNamed(cook, texts.name, ownId)) {
        return refuse(kDishExists);
    }
    return ownId;
}

// Writes the ingredient rows (top first) and the dish row, inside the caller's transaction.
void writeDish(CppSQLite3DB& cook,
    int cookId,
    const DishTexts& texts,
    const DishIngredientList& ingredients,
    const std::vector<int>& foodIds)
{
    float totalWeight = 0.0f;
    const auto& rows = ingredients.rows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        totalWeight += weightOfText(rows[i].weight);
        const int rowId = nextId(cook, "CookFood", "CookFoodID", 1);
        cook.execQuery(formatSql("INSERT INTO CookFood VALUES('%d','%d','%d','%s','%s')", rowId, cookId, foodIds[i],
            rows[i].role, rows[i].weight));
    }
    cook.execQuery(formatSql("INSERT INTO CookShow VALUES('%d','%s','%s','%s','%s','%s','%s','%s','%s','%s','%s','%s',"
                             "'%s','%.0f')",
        cookId, texts.name, texts.category, texts.intro, ingredients.foods(), ingredients.minorFoods(), texts.method,
        "", texts.value, texts.taboo, texts.suitable, texts.taste, texts.craft, static_cast<double>(totalWeight)));
}

} // namespace

std::vector<DishListRow> listDishes(const std::string& filter)
{
    DatabaseConnection cook(CookDb);
    std::vector<DishListRow> rows;
    for (auto query = cook.execQuery("SELECT * FROM CookShow"); !query.eof(); query.nextRow()) {
        const std::string name = query.getStringField(1);
        if ((name + query.getStringField(2)).find(filter) != std::string::npos) {
            rows.push_back({ name, query.getStringField(13), query.getStringField(4), query.getStringField(0) });
        }
    }
    std::reverse(rows.begin(), rows.end());
    return rows;
}

std::optional<LoadedDish> loadDish(const std::string& cookId)
{
    DatabaseConnection cook(CookDb);
    LoadedDish dish;
    {
        auto query = cook.execQuery(formatSql("SELECT * FROM CookShow WHERE  CookID ='%s'", cookId));
        if (query.eof()) {
            return std::nullopt;
        }
        dish.cookId = query.getIntField(0);
        dish.texts = { query.getStringField(1), query.getStringField(2), query.getStringField(3),
            query.getStringField(6), query.getStringField(8), query.getStringField(9), query.getStringField(10),
            query.getStringField(11), query.getStringField(12) };
    }
    struct StoredRow
    {
        int foodId;
        std::string role;
        std::string weight;
    };
    std::vector<StoredRow> stored;
    for (auto query = cook.execQuery(formatSql("SELECT * FROM CookFood WHERE  CookFoodCID ='%d'", dish.cookId));
         !query.eof(); query.nextRow()) {
        stored.push_back({ query.getIntField(2), query.getStringField(3), query.getStringField(4) });
    }
    for (const auto& row : stored) {
        std::string foodName;
        auto food = cook.execQuery(formatSql("SELECT * FROM FoodShow WHERE  FoodID ='%d'", row.foodId));
        if (!food.eof()) {
            foodName = food.getStringField(3);
        }
        food.finalize();
        auto outcome = dish.ingredients.addStored(foodName, row.weight, row.role);
        if (!outcome.ok()) {
            dish.refusals.push_back(outcome.refusal());
        }
    }
    return dish;
}

Outcome<int> addDish(CppSQLite3DB& cook, const DishTexts& typed, const DishIngredientList& ingredients)
{
    const DishTexts texts = withCleanName(typed);
    if (auto refusal = checkDish(cook, 0, texts); !refusal.ok()) {
        return refusal;
    }
    // Every food is looked up before anything is written, so a missing food leaves no half-saved dish.
    const auto foodIds = foodIdsOf(cook, ingredients);
    if (!foodIds) {
        return refuse(kFoodIdMissing, kSystemPromptCaption);
    }
    const int cookId = nextId(cook, "CookShow", "CookID", 1);
    writeDish(cook, cookId, texts, ingredients, *foodIds);
    return cookId;
}

Outcome<int> addDish(const DishTexts& texts, const DishIngredientList& ingredients)
{
    return inUnitOfWork(CookDb, {}, [&](CppSQLite3DB& cook) { return addDish(cook, texts, ingredients); });
}

Outcome<int> saveEditedDish(
    CppSQLite3DB& cook, int cookId, const DishTexts& typed, const DishIngredientList& ingredients)
{
    const DishTexts texts = withCleanName(typed);
    if (auto refusal = checkDish(cook, cookId, texts); !refusal.ok()) {
        return refusal;
    }
    const auto foodIds = foodIdsOf(cook, ingredients);
    if (!foodIds) {
        return refuse(kFoodIdMissing, kSystemPromptCaption);
    }
    cook.execQuery(formatSql("DELETE FROM CookFood WHERE CookFoodCID = '%d'", cookId));
    cook.execQuery(formatSql("DELETE FROM CookShow WHERE CookID = '%d'", cookId));
    writeDish(cook, cookId, texts, ingredients, *foodIds);
    return cookId;
}

Outcome<int> saveEditedDish(int cookId, const DishTexts& texts, const DishIngredientList& ingredients)
{
    return inUnitOfWork(
        CookDb, {}, [&](CppSQLite3DB& cook) { return saveEditedDish(cook, cookId, texts, ingredients); });
}

void deleteDish(int cookId)
{
    UnitOfWork work(CookDb);
    work.db().execQuery(formatSql("DELETE FROM CookFood WHERE CookFoodCID = '%d'", cookId));
    work.db().execQuery(formatSql("DELETE FROM CookShow WHERE CookID = '%d'", cookId));
    work.commit();
}

} // namespace pelinor
