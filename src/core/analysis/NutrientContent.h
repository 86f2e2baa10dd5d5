#pragma once

#include "core/analysis/AnalysisText.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace pelinor {

struct PlanDaySource;

// The content table: one row per dish or food of the day, grouped by meal time, with its weight
// and 20 nutrient amounts, and a totals row "总合".
inline constexpr int kContentNutrientCount = 20;
inline constexpr int kContentColumnCount = 3 + kContentNutrientCount;

// The column headers, as shown ("锌(ug)" and "纳(mg)" included).
extern const std::array<std::string_view, kContentColumnCount> kContentHeaders;
// The FoodShow column behind each of the 20 nutrient columns.
inline constexpr std::array<int, kContentNutrientCount> kContentFoodColumns
    = { 6, 8, 9, 10, 11, 27, 28, 34, 32, 36, 33, 35, 31, 29, 30, 20, 21, 23, 24, 25 };

struct ContentRow
{
    std::string meal;
    std::string name;
    std::string weight; // as stored; the totals row's is the sum "%.2f"
    std::array<float, kContentNutrientCount> values {};
    bool total = false;

    // The 23 cells as the list shows them (amounts "%.2f") and their text colours (the totals row
    // is blue apart from its empty name cell).
    std::array<std::string, kContentColumnCount> cells;
    std::array<CellColour, kContentColumnCount> colours {};
};

struct NutrientContent
{
    // The day's rows, breakfast first (a meal-time text that is none of the five after dinner),
    // in stored order within a meal time; the totals row last.
    std::vector<ContentRow> rows;
    float weightTotal = 0.0f;

    const ContentRow& totals() const
    {
        return rows.back();
    }
};

// The portion amounts are value × 0.01 × grams in single precision, summed per dish; the totals
// are the sums of the dish amounts.
NutrientContent computeNutrientContent(const PlanDaySource& source);

// The amount of one nutrient in `grams` of a food: value per 100 g × 0.01 × grams, in single
// precision, as every nutrient figure of the analysis is formed.
float portionAmount(double valuePer100g, double grams);

} // namespace pelinor
