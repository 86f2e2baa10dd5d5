#pragma once

#include "core/common/NutrientVector.h"
#include "core/common/Outcome.h"

#include <array>
#include <string>
#include <vector>

namespace pelinor {

inline constexpr const char* kMainIngredient = "主料";
inline constexpr const char* kMinorIngredient = "辅料";
inline constexpr const char* kSeasoning = "调料";

// Which candidates the incompatibility check looks at. The add dialog checks every ingredient; the
// edit dialog checks main ingredients only, so there only main ingredients clash with each other.
enum class IncompatibilityRule
{
    EveryIngredient,
    MainIngredientsOnly,
};

// Single-precision running sums, one per nutrient, as the dish dialogs show them.
using NutrientSums = std::array<float, kNutrientCount>;

struct DishIngredient
{
    std::string foodName;
    std::string weight; // as entered
    std::string role;
    // In the summaries and sums. A main ingredient refused by the check while a dish is loaded stays in
    // the list (and is saved with the dish) without being counted.
    bool counted = true;
    std::string block; // what it added to the incompatible-foods text
    NutrientSums nutrients {}; // what it added to the sums
};

// The ingredients of a dish while its dialog is open, with everything derived from them: the
// ingredient summaries, the incompatible-foods text and the nutrient sums.
class DishIngredientList
{
public:
    explicit DishIngredientList(IncompatibilityRule rule);

    // Puts an ingredient at the top of the list, after the incompatibility check. A refusal (with
    // its message and caption) leaves everything as it was.
    Outcome<> add(const std::string& foodName, const std::string& weight, const std::string& role);

    // Puts an ingredient of a stored dish at the top. A main ingredient the check refuses is listed
    // but not counted; the refusal is returned for the message.
    Outcome<> addStored(const std::string& foodName, const std::string& weight, const std::string& role);

    // Removes the row at `row` (0 is the top) and everything it contributed.
    void remove(std::size_t row);

    // Top first, as the dialog lists them.
    const std::vector<DishIngredient>& rows() const
    {
        return m_rows;
    }
    // "name:weightg；" for each counted ingredient in the order they were added.
    std::string foods() const;
    // The same for the counted auxiliary ingredients ("辅料").
    std::string minorFoods() const;
    std::string incompatibleText() const;
    const NutrientSums& sums() const
    {
        return m_sums;
    }
    // The sum of the weights of all rows, top first, in single precision.
    float totalWeight() const;

private:
    Outcome<> insert(const std::string& foodName, const std::string& weight, const std::string& role, bool keepRefused);

    IncompatibilityRule m_rule;
    std::vector<DishIngredient> m_rows;
    NutrientSums m_sums {};
};

// A weight text read as a decimal number, the way the dish dialogs read it: the longest number at its
// start, 0 when there is none ("1.2.3" is 1.2, "" is 0).
float weightOfText(const std::string& text);

// The ingredient chooser accepts weights made of the digits and "." only (an empty text too).
bool isValidWeightText(const std::string& text);

} // namespace pelinor
