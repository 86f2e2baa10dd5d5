#include "core/planning/MealNutrients.h"

#include "core/common/DecimalText.h"
#include "core/common/DishComposition.h"
#include "core/common/ItemList.h"
#include "core/common/NumberFormat.h"
#include "core/db/DatabaseConnection.h"
#include "core/db/SqlFormat.h"

namespace pelinor {

float roundedToCents(float value)
{
    const float rounded = static_cast<float>(leadingDecimal(formatFixed(value, 2)));
    // A meal emptied by taking its items away shows "0.00", not "-0.00".
    return rounded == 0.0f ? 0.0f : rounded;
}

MealNutrients::MealNutrients() = default;
MealNutrients::~MealNutrients() = default;

const MealNutrients::Food& MealNutrients::food(const std::string& name)
{
    const auto known = m_foods.find(name);
    if (known != m_foods.end()) {
        return known->second;
    }
    Food food;
    if (!m_cook) {
        m_cook = std::make_unique<DatabaseConnection>(CookDb);
    }
    auto query = m_cook->execQuery(formatSql(
        "SELECT FoodEnergy, FoodProtein, FoodFat, FoodCarbohydrate FROM FoodShow WHERE FoodName = '%s' ORDER BY rowid",
        name));
    if (!query.eof()) {
        food.found = true;
        for (int i = 0; i < 4; ++i) {
            food.per100[static_cast<std::size_t>(i)] = static_cast<float>(query.getFloatField(i));
        }
    }
    return m_foods.emplace(name, food).first->second;
}

void MealNutrients::AddComposition(MealValues& actual, const std::string& composition, int sign)
{
    const float direction = sign < 0 ? -1.0f : 1.0f;
    for (const CompositionEntry& portion : DishComposition::parse(composition)) {
        const Food& found = food(portion.foodName);
        if (!found.found) {
            continue;
        }
        const float grams = static_cast<float>(portion.grams);
        for (std::size_t i = 0; i < 4; ++i) {
            actual.values[i] += direction * (found.per100[i] * 0.01f * grams);
        }
    }
    for (float& value : actual.values) {
        value = roundedToCents(value);
    }
}

} // namespace pelinor
