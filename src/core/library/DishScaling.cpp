#include "core/library/DishScaling.h"

#include "core/common/NumberFormat.h"
#include "core/db/DatabaseConnection.h"
#include "core/db/SqlFormat.h"

#include <optional>
#include <vector>

namespace pelinor {

namespace {

constexpr std::string_view kMainIngredient = "主料";

struct IngredientRow
{
    int foodId;
    std::string role;
    float grams;
};

} // namespace

std::string scaleDishComposition(CppSQLite3DB& cookDb, const std::string& dishName, float weight, DishScaling mode)
{
    std::optional<int> dishId;
    auto dish
        = cookDb.execQuery(formatSql("SELECT CookID FROM CookShow WHERE CookName = '%s' ORDER BY rowid", dishName));
    if (!dish.eof()) {
        dishId = dish.getIntField(0);
    }
    dish.finalize();
    if (!dishId) {
        return {};
    }

    std::vector<IngredientRow> rows;
    float total = 0.0f;
    for (auto query = cookDb.execQuery(formatSql(
             "SELECT CookFoodFID, CookFoodRole, CookFoodWeight FROM CookFood WHERE CookFoodCID = '%d' ORDER BY rowid",
             *dishId));
         !query.eof(); query.nextRow()) {
        IngredientRow row { query.getIntField(0), query.getStringField(1), static_cast<float>(query.getFloatField(2)) };
        total += row.grams;
        rows.push_back(std::move(row));
    }

    const int decimals = mode == DishScaling::WholeDish ? 0 : 2;
    std::string composition;
    for (const IngredientRow& row : rows) {
        if (mode == DishScaling::MainIngredients && row.role != kMainIngredient) {
            continue;
        }
        auto food = cookDb.execQuery(formatSql("SELECT FoodName FROM FoodShow WHERE FoodID = '%d'", row.foodId));
        if (food.eof()) {
            continue; // a food that has left the catalogue has no name to write
        }
        const float grams = total > 0.0f ? row.grams * weight / total : 0.0f;
        composition += food.getStringField(0) + ":" + formatFixed(grams, decimals) + "g；";
    }
    return composition;
}

std::string ScaleDish(const std::string& dishName, float weight)
{
    DatabaseConnection cookDb(CookDb);
    return scaleDishComposition(cookDb, dishName, weight, DishScaling::WholeDish);
}

std::string ScaleMainIngredients(const std::string& dishName, float weight)
{
    DatabaseConnection cookDb(CookDb);
    return scaleDishComposition(cookDb, dishName, weight, DishScaling::MainIngredients);
}

} // namespace pelinor
