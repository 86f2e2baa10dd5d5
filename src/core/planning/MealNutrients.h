#pragma once

#include <array>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace pelinor {

// Energy, protein, fat and carbohydrate: what a meal supplies or should supply.
struct MealValues
{
    std::array<float, 4> values {};

    float energy() const
    {
        return values[0];
    }
    float protein() const
    {
        return values[1];
    }
    float fat() const
    {
        return values[2];
    }
    float carbohydrate() const
    {
        return values[3];
    }
};

class CppSQLite3DB;

// The four per-100-g values of foods, read from the cook file on first need. One object serves one
// editor action (showing a meal, adding an item), so a food changed in the library meanwhile counts
// with its new values at the next action.
class MealNutrients
{
public:
    MealNutrients();
    ~MealNutrients();
    MealNutrients(const MealNutrients&) = delete;
    MealNutrients& operator=(const MealNutrients&) = delete;

    // Adds (sign +1) or takes away (sign -1) what the composition supplies: per food, value × 0.01
    // × grams in single precision; a food the catalogue does not have adds nothing. Each of the
    // four totals is then rounded to two decimals.
    void AddComposition(MealValues& actual, const std::string& composition, int sign);

private:
    struct Food
    {
        bool found = false;
        std::array<float, 4> per100 {};
    };
    const Food& food(const std::string& name);

    std::unique_ptr<CppSQLite3DB> m_cook;
    std::unordered_map<std::string, Food> m_foods;
};

// A value rounded to two decimals the way "%.2f" prints it.
float roundedToCents(float value);

} // namespace pelinor
