#include "core/library/DishIngredientList.h"

#include "core/common/AppInfo.h"
#include "core/db/DatabaseConnection.h"
#include "core/db/SqlFormat.h"
#include "core/library/FoodRelations.h"
#include "core/library/IncompatibilityCheck.h"

#include <charconv>

namespace pelinor {

DishIngredientList::DishIngredientList(IncompatibilityRule rule)
    : m_rule(rule)
{
}

Outcome<> DishIngredientList::add(const std::string& foodName, const std::string& weight, const std::string& role)
{
    return insert(foodName, weight, role, false);
}

Outcome<> DishIngredientList::addStored(const std::string& foodName, const std::string& weight, const std::string& role)
{
    return insert(foodName, weight, role, true);
}

Outcome<> DishIngredientList::insert(
    const std::string& foodName, const std::string& weight, const std::string& role, bool keepRefused)
{
    DishIngredient row { foodName, weight, role, true, {}, {} };
    // A stored ingredient whose food was deleted: it is listed so that the user sees and removes it.
    if (foodName.empty()) {
        row.counted = false;
        m_rows.insert(m_rows.begin(), std::move(row));
        return done();
    }
    if (m_rule == IncompatibilityRule::EveryIngredient || role == kMainIngredient) {
        DatabaseConnection gright(GrightDb);
        const std::string base = foodBaseName(foodName);
        if (clashesWith(incompatibleText(), base)) {
            if (keepRefused) {
                row.counted = false;
                m_rows.insert(m_rows.begin(), std::move(row));
            }
            return refuse(kIncompatibleMessage, kSystemPromptCaption);
        }
        row.block = incompatibilityBlock(gright, base);
    }
    {
        DatabaseConnection cook(CookDb);
        auto food = cook.execQuery(formatSql("SELECT * FROM FoodShow WHERE  FoodName ='%s'", foodName));
        if (!food.eof()) {
            // Single precision throughout, as the dialogs have always summed: a factor of w × 0.01,
            // each value narrowed to float, each product added to a float sum.
            const float factor = static_cast<float>(weightOfText(weight) * 0.01);
            const NutrientVector values = NutrientVector::fromFoodRow(food);
            for (std::size_t i = 0; i < kNutrientCount; ++i) {
                row.nutrients[i] = static_cast<float>(values[i]) * factor;
                m_sums[i] += row.nutrients[i];
            }
        }
    }
    m_rows.insert(m_rows.begin(), std::move(row));
    return done();
}

void DishIngredientList::remove(std::size_t row)
{
    if (row >= m_rows.size()) {
        return;
    }
    const DishIngredient& gone = m_rows[row];
    if (gone.counted) {
        for (std::size_t i = 0; i < kNutrientCount; ++i) {
            m_sums[i] -= gone.nutrients[i];
        }
    }
    m_rows.erase(m_rows.begin() + static_cast<std::ptrdiff_t>(row));
}

// The texts are rebuilt from the rows rather than cut out of a running text, so that two rows of the
// same food and weight, or of foods with the same base name, do not take each other's entries along.
std::string DishIngredientList::foods() const
{
    std::string text;
    for (auto it = m_rows.rbegin(); it != m_rows.rend(); ++it) {
        if (it->counted) {
            text += it->foodName + ":" + it->weight + "g；";
        }
    }
    return text;
}

std::string DishIngredientList::minorFoods() const
{
    std::string text;
    for (auto it = m_rows.rbegin(); it != m_rows.rend(); ++it) {
        if (it->counted && it->role == kMinorIngredient) {
            text += it->foodName + ":" + it->weight + "g；";
        }
    }
    return text;
}

std::string DishIngredientList::incompatibleText() const
{
    std::string text;
    for (auto it = m_rows.rbegin(); it != m_rows.rend(); ++it) {
        if (it->counted) {
            text += it->block;
        }
    }
    return text;
}

float DishIngredientList::totalWeight() const
{
    float total = 0.0f;
    for (const auto& row : m_rows) {
        total += weightOfText(row.weight);
    }
    return total;
}

float weightOfText(const std::string& text)
{
    float value = 0.0f;
    const char* begin = text.data();
    const char* end = begin + text.size();
    // from_chars does not take a leading "+" and ignores the locale, unlike strtof.
    const auto result = std::from_chars(begin, end, value, std::chars_format::fixed);
    return result.ec == std::errc() ? value : 0.0f;
}

bool isValidWeightText(const std::string& text)
{
    for (char c : text) {
        if ((c < '0' || c > '9') && c != '.') {
            return false;
        }
    }
    return true;
}

} // namespace pelinor
