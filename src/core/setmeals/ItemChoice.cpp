#include "core/setmeals/ItemChoice.h"

#include "core/common/AppInfo.h"
#include "core/common/DecimalText.h"
#include "core/db/DatabaseConnection.h"
#include "core/db/NextId.h"
#include "core/db/SqlFormat.h"
#include "core/db/UnitOfWork.h"
#include "core/library/DishScaling.h"
#include "core/setmeals/ItemWeight.h"

#include <optional>

namespace pelinor {

namespace {

constexpr const char* kNoWeight = "请输入重量！";
constexpr const char* kNoDishName = "请输入食谱名称！";
constexpr const char* kNoFoods = "该菜谱中没有原料！";
constexpr const char* kDishExists = "该菜谱已经存在！";
constexpr const char* kFoodIdMissing = "获取原料ID失败";
constexpr const char* kOwnDishRole = "主料";

Outcome<std::string> itemWeight(const std::string& weight)
{
    if (trimmedText(weight).empty()) {
        return refuse(kNoWeight, kSystemPromptCaption);
    }
    return checkedWeight(weight);
}

} // namespace

Outcome<ChosenItem> chooseDishItem(const std::string& dishName, const std::string& weight)
{
    const auto checked = itemWeight(weight);
    if (!checked) {
        return checked.refusal();
    }
    if (dishName.empty()) {
        return refuse("请选择菜谱", kSystemPromptCaption);
    }
    return ChosenItem { dishName, *checked, ScaleMainIngredients(dishName, weightValue(*checked)),
        std::string(kDishKind), {} };
}

Outcome<ChosenItem> chooseFoodItem(const std::string& foodName, const std::string& weight)
{
    const auto checked = itemWeight(weight);
    if (!checked) {
        return checked.refusal();
    }
    if (foodName.empty()) {
        return refuse("请选择原料", kSystemPromptCaption);
    }
    return ChosenItem { foodName, *checked, singleFoodComposition(foodName, *checked), std::string(kFoodKind), {} };
}

Outcome<ChosenItem> storeOwnDish(const std::string& dishName, const std::vector<OwnDishFood>& foods)
{
    const std::string name = trimmedText(dishName);
    if (name.empty()) {
        return refuse(kNoDishName, kSystemPromptCaption);
    }
    if (foods.empty()) {
        return refuse(kNoFoods, kSystemPromptCaption);
    }
    std::vector<std::string> weights;
    float total = 0.0f;
    std::string composition;
    for (const OwnDishFood& food : foods) {
        const auto weight = checkedWeight(food.weight);
        if (!weight) {
            return weight.refusal();
        }
        total += weightValue(*weight);
        composition += singleFoodComposition(food.foodName, *weight);
        weights.push_back(*weight);
    }
    const std::string totalText = gramsText(total);

    // The name check and the writes see the same data: the write lock is taken first.
    UnitOfWork work(CookDb);
    CppSQLite3DB& cook = work.db();
    if (!cook.execQuery(formatSql("SELECT CookID FROM CookShow WHERE CookName = '%s'", name)).eof()) {
        return refuse(kDishExists, kSystemPromptCaption);
    }
    std::vector<int> foodIds;
    for (const OwnDishFood& food : foods) {
        auto query = cook.execQuery(
            formatSql("SELECT FoodID FROM FoodShow WHERE FoodName = '%s' ORDER BY rowid", food.foodName));
        if (query.eof()) {
            return refuse(kFoodIdMissing, kSystemPromptCaption);
        }
        foodIds.push_back(query.getIntField(0));
    }
    const int cookId = nextId(cook, "CookShow", "CookID", 1);
    cook.execQuery(
        formatSql("INSERT INTO CookShow(CookID,CookName,CookWeight) VALUES('%d','%s','%s')", cookId, name, totalText));
    for (std::size_t i = 0; i < foods.size(); ++i) {
        const int rowId = nextId(cook, "CookFood", "CookFoodID", 1);
        cook.execQuery(formatSql("INSERT INTO CookFood VALUES('%d','%d','%d','%s','%s')", rowId, cookId, foodIds[i],
            kOwnDishRole, weights[i]));
    }
    work.commit();
    return ChosenItem { name, totalText, composition, std::string(kDishKind), {} };
}

} // namespace pelinor
