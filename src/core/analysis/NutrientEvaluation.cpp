#include "core/analysis/NutrientEvaluation.h"

#include "core/analysis/AnalysisText.h"
#include "core/analysis/NutrientContent.h"
#include "core/analysis/PlanDaySource.h"
#include "core/analysis/StandardComparison.h"
#include "core/common/NumberFormat.h"
#include "core/planning/IntakeReference.h"

#include <vector>

namespace pelinor {

namespace {

struct NutrientSource
{
    std::string_view header;
    std::string_view name;
    int foodColumn;
    int intakeColumn; // -1: the carbohydrate formed from the energy
};

const std::array<NutrientSource, kEvaluatedNutrientCount> kNutrients = { {
    { "能量（kcal）", "能量", 6, intake_column::Energy },
    { "蛋白质g", "蛋白质", 8, intake_column::Protein },
    { "碳水化合物", "碳水化合物", 10, -1 },
    { "脂肪g", "脂肪", 9, intake_column::Fat },
    { "维生素B6(mg)", "维生素B6", 20, intake_column::VitaminB6 },
    { "维生素C(mg)", "维生素C", 24, intake_column::VitaminC },
    { "维生素E(mg)", "维生素E", 25, intake_column::VitaminE },
    { "钙(mg)", "钙", 27, intake_column::Calcium },
    { "铁(mg)", "铁", 32, intake_column::Iron },
    { "锌(mg)", "锌", 33, intake_column::Zinc },
    { "硒(mg)", "硒", 34, intake_column::Selenium },
    { "钠(mg)", "钠", 30, intake_column::Sodium },
} };

} // namespace

const std::array<std::string_view, kEvaluatedNutrientCount + 1> kNutrientEvaluationHeaders
    = { "营养素", "能量（kcal）", "蛋白质g", "碳水化合物", "脂肪g", "维生素B6(mg)", "维生素C(mg)", "维生素E(mg)",
          "钙(mg)", "铁(mg)", "锌(mg)", "硒(mg)", "钠(mg)" };

NutrientEvaluation evaluateNutrients(const PlanDaySource& source, const SubjectIntake& intake)
{
    NutrientEvaluation evaluation;
    std::array<float, kEvaluatedNutrientCount> actual {};
    for (const AnalysedItem& item : source.items) {
        for (const AnalysedPortion& portion : item.portions) {
            if (const AnalysedFood* food = source.foodOf(portion)) {
                for (int n = 0; n < kEvaluatedNutrientCount; ++n) {
                    actual[static_cast<std::size_t>(n)]
                        += portionAmount((*food)[kNutrients[static_cast<std::size_t>(n)].foodColumn], portion.grams);
                }
            }
        }
    }

    std::vector<std::string> below;
    for (int n = 0; n < kEvaluatedNutrientCount; ++n) {
        const auto index = static_cast<std::size_t>(n);
        const NutrientSource& definition = kNutrients[index];
        EvaluatedNutrient& nutrient = evaluation.nutrients[index];
        nutrient.header = std::string(definition.header);
        nutrient.name = std::string(definition.name);
        nutrient.reference = intakeValue(intake, definition.intakeColumn);
        nutrient.actual = actual[index];
        // A reference of 0 gives an infinite share (graded as excess) or, with nothing eaten, an
        // undefined one (graded as lacking); neither is shown as a number.
        nutrient.percentage = nutrient.actual / nutrient.reference * 100.0f;
        nutrient.referenceText = formatFixed(nutrient.reference, 1);
        nutrient.actualText = formatFixed(nutrient.actual, 1);
        const std::string percent = formatFixed(nutrient.percentage, 1);
        nutrient.percentText = percent.empty() ? percent : percent + "%";
        nutrient.excess = nutrient.percentage > 100.0f;
        nutrient.belowReference = nutrient.percentage < 100.0f;
        if (n > 0) {
            nutrient.tabCaption = nutrient.name + (nutrient.excess ? "（过量）" : "（缺乏）");
        }
        if (nutrient.belowReference) {
            below.push_back(nutrient.name);
        }
    }

    if (below.empty()) {
        evaluation.text = "被调查对象摄入的营养素均达到推荐摄入量(RNI)或适宜摄入量(AI)的标准。"
                          "按照以上分析结果给出建议:继续保持目前的膳食安排。";
    } else {
        const std::string names = joinNames(below);
        evaluation.text = fillSlots("被调查对象摄入的营养素中，%s",
                              { names + "没有达到推荐摄入量(RNI)，其余均达到RNI或AI的标准。" })
            + fillSlots("按照以上分析结果给出建议:适量增加%s的摄入量。", { names });
    }
    return evaluation;
}

} // namespace pelinor
