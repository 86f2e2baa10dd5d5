#pragma once

#include "core/analysis/AnalysisText.h"

#include <array>
#include <string>
#include <string_view>

namespace pelinor {

struct PlanDaySource;

inline constexpr int kFoodGroupCount = 9;

// One food group: the grams of the day's foods whose top-level type belongs to it, against a
// fixed daily amount.
struct FoodGroup
{
    std::string header; // list column: "豆类"
    std::string name; // in the sentences and the report: "豆类及制品"
    float reference = 0.0f; // g
    float actual = 0.0f; // g
    std::string referenceText; // "50"
    std::string actualText; // "%.2f"
    Grade grade = Grade::Normal;
};

struct DietStructure
{
    std::array<FoodGroup, kFoodGroupCount> groups;
    MonthDay date;
    std::string text; // the evaluation and advice
};

// The list: column 0 "食物种类", then the nine group headers; rows "参考量" and "实际量".
extern const std::array<std::string_view, kFoodGroupCount + 1> kDietStructureHeaders;

// The group of a top-level food type (FoodBigTypeID), or -1 for a type that belongs to none.
int foodGroupOf(int bigType);

DietStructure evaluateDietStructure(const PlanDaySource& source);

} // namespace pelinor
