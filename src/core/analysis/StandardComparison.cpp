#include "core/analysis/StandardComparison.h"

#include "core/analysis/NutrientContent.h"
#include "core/analysis/PlanDaySource.h"
#include "core/common/NumberFormat.h"
#include "core/planning/IntakeReference.h"

namespace pelinor {

const std::array<ComparisonSlotSource, kComparisonSlotCount> kComparisonSlots = { {
    { "能量", 6, intake_column::Energy },
    { "碘", 37, intake_column::Iodine },
    { "钙", 27, intake_column::Calcium },
    { "铜", 35, intake_column::Copper },
    { "蛋白质", 8, intake_column::Protein },
    { "维生素B6", 20, intake_column::VitaminB6 },
    { "锌", 33, intake_column::Zinc },
    { "钠", 30, intake_column::Sodium },
    { "脂肪", 9, intake_column::Fat },
    { "维生素12", 21, intake_column::VitaminB12 },
    { "铁", 32, intake_column::Iron },
    { "磷", 28, intake_column::Phosphorus },
    { "碳水化合物", 10, -1 },
    { "维生素C", 24, intake_column::VitaminC },
    { "钾", 29, intake_column::Potassium },
    { "硒", 34, intake_column::Selenium },
    { "维生素A", 16, intake_column::VitaminA },
    { "维生素E", 25, intake_column::VitaminE },
    { "镁", 31, intake_column::Magnesium },
    { "锰", 36, intake_column::Manganese },
} };

const std::array<std::string_view, kComparisonColumnCount> kReferenceListHeaders
    = { "元素名", "标准值", "元素名", "标准值", "元素名", "标准值", "元素名", "标准值" };
const std::array<std::string_view, kComparisonColumnCount> kActualListHeaders
    = { "元素名", "实际值", "元素名", "实际值", "元素名", "实际值", "元素名", "实际值" };

float intakeValue(const SubjectIntake& intake, int intakeColumn)
{
    return intakeColumn < 0 ? intake.carbohydrate : intake[intakeColumn];
}

StandardComparison compareWithStandard(const PlanDaySource& source, const SubjectIntake& intake)
{
    StandardComparison comparison;
    comparison.boys = intake.boys;
    comparison.girls = intake.girls;
    std::array<float, kComparisonSlotCount> actual {};
    for (const AnalysedItem& item : source.items) {
        for (const AnalysedPortion& portion : item.portions) {
            if (const AnalysedFood* food = source.foodOf(portion)) {
                for (int s = 0; s < kComparisonSlotCount; ++s) {
                    actual[static_cast<std::size_t>(s)] += portionAmount(
                        (*food)[kComparisonSlots[static_cast<std::size_t>(s)].foodColumn], portion.grams);
                }
            }
        }
    }
    for (int s = 0; s < kComparisonSlotCount; ++s) {
        const auto index = static_cast<std::size_t>(s);
        ComparisonCell& cell = comparison.cells[index];
        cell.name = std::string(kComparisonSlots[index].name);
        cell.reference = intakeValue(intake, kComparisonSlots[index].intakeColumn);
        cell.actual = actual[index];
        cell.referenceText = formatFixed(cell.reference, 2);
        cell.actualText = formatFixed(cell.actual, 2);
        cell.grade = gradeAgainst(cell.actual, cell.reference);
        cell.colour = colourOf(cell.grade);
        if (cell.reference > 0.000001) {
            cell.percentText
                = formatFixed(static_cast<double>(cell.actual) / static_cast<double>(cell.reference) * 100.0, 2) + "%";
        }
    }
    return comparison;
}

} // namespace pelinor
