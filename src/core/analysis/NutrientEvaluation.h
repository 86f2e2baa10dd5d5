#pragma once

#include <array>
#include <string>
#include <string_view>

namespace pelinor {

struct PlanDaySource;
struct SubjectIntake;

inline constexpr int kEvaluatedNutrientCount = 12;

// One of the twelve graded nutrients: the subject's reference, the day's amount and the share of
// the reference it reaches.
struct EvaluatedNutrient
{
    std::string header; // list column: "蛋白质g"
    std::string name; // in the sentence and the knowledge pages: "蛋白质"
    float reference = 0.0f;
    float actual = 0.0f;
    float percentage = 0.0f; // actual / reference × 100 in single precision; infinite or undefined for a reference of 0
    std::string referenceText; // "%.1f"
    std::string actualText; // "%.1f"
    std::string percentText; // "%.1f%"; empty when the percentage cannot be computed
    bool excess = false; // above 100 %
    bool belowReference = false; // below 100 %: named in the sentence
    std::string tabCaption; // "蛋白质（过量）" / "蛋白质（缺乏）"; empty for the energy, which has no tab
};

struct NutrientEvaluation
{
    std::array<EvaluatedNutrient, kEvaluatedNutrientCount> nutrients;
    std::string text; // the evaluation and advice
};

// The list: column 0 "营养素", then the twelve headers; rows "参考量", "实际量", "占参考量比".
extern const std::array<std::string_view, kEvaluatedNutrientCount + 1> kNutrientEvaluationHeaders;

NutrientEvaluation evaluateNutrients(const PlanDaySource& source, const SubjectIntake& intake);

} // namespace pelinor
