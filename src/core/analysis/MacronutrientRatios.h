#pragma once

#include "core/analysis/AnalysisText.h"

#include <array>
#include <string>
#include <string_view>

namespace pelinor {

struct PlanDaySource;

// A row of the fat or protein source list: a name and a share "%.2f%".
struct SourceRatio
{
    std::string name;
    double share = 0.0;
    std::string shareText;
};

// Carbohydrate, fat or protein: its grams, its share of the three together and its grade against
// the reference share.
struct Macronutrient
{
    std::string name; // "碳水化合物"
    double grams = 0.0;
    double share = 0.0; // percent of the three together
    std::string shareText; // "%.2f%"
    float reference = 0.0f; // 65, 30, 20
    std::string referenceText; // "55%-65%"
    Grade grade = Grade::Normal;
};

struct MacronutrientRatios
{
    std::array<SourceRatio, 2> fatSources; // animal, plant
    // cereals and tubers, beans, animal foods, other foods, and the share of high-quality protein
    std::array<SourceRatio, 5> proteinSources;
    std::array<Macronutrient, 3> macronutrients; // carbohydrate, fat, protein
    MonthDay date;
    std::string text; // two lines: "营养师评价：…" and "营养师建议：…"
};

extern const std::array<std::string_view, 2> kFatListHeaders; // "脂肪名称", "所占比例"
extern const std::array<std::string_view, 2> kProteinListHeaders; // "蛋白质名称", "实际值"
extern const std::array<std::string_view, 3> kRatioListHeaders; // "餐次", "实际值", "参考值"

// Grams per portion are value × grams / 100 in double precision. A share whose whole is 0 is 0.
MacronutrientRatios computeMacronutrientRatios(const PlanDaySource& source);

} // namespace pelinor
