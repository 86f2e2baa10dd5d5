#pragma once

#include "core/analysis/AnalysisText.h"

#include <array>
#include <string>
#include <string_view>

namespace pelinor {

struct PlanDaySource;
struct SubjectIntake;

// The comparison with the standard: 20 nutrients, the day's total beside the subject's reference.
// Slot s is shown in row s / 4, its name in column 2 × (s mod 4) and its value beside it.
inline constexpr int kComparisonSlotCount = 20;
inline constexpr int kComparisonRowCount = 5;
inline constexpr int kComparisonColumnCount = 8;

struct ComparisonSlotSource
{
    std::string_view name;
    int foodColumn; // FoodShow column of the actual amount
    int intakeColumn; // CDRIS column of the reference; -1: the carbohydrate formed from the energy
};
extern const std::array<ComparisonSlotSource, kComparisonSlotCount> kComparisonSlots;

struct ComparisonCell
{
    std::string name;
    float reference = 0.0f;
    float actual = 0.0f;
    std::string referenceText; // "%.2f"
    std::string actualText; // "%.2f"
    Grade grade = Grade::Normal; // the actual against 0.9 / 1.1 × the reference
    CellColour colour = CellColour::Black; // blue below, red above, black between (limits included)
    std::string percentText; // actual / reference × 100 "%.2f%"; empty unless the reference is above 0.000001
};

struct StandardComparison
{
    std::array<ComparisonCell, kComparisonSlotCount> cells;
    int boys = 0; // children whose reference row was found
    int girls = 0;

    static int rowOf(int slot)
    {
        return slot / 4;
    }
    static int valueColumnOf(int slot)
    {
        return 2 * (slot % 4) + 1;
    }
};

// The list headers: "元素名" / "标准值" (reference list) or "元素名" / "实际值" (actual list), four times.
extern const std::array<std::string_view, kComparisonColumnCount> kReferenceListHeaders;
extern const std::array<std::string_view, kComparisonColumnCount> kActualListHeaders;

// The actual amounts are summed portion by portion over the whole day in single precision.
StandardComparison compareWithStandard(const PlanDaySource& source, const SubjectIntake& intake);

// The reference of a subject for a CDRIS column, or the carbohydrate for -1.
float intakeValue(const SubjectIntake& intake, int intakeColumn);

} // namespace pelinor
