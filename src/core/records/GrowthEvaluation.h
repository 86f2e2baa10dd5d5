#pragma once

#include "core/records/ArchiveRecord.h"

#include <optional>
#include <string>
#include <string_view>

namespace pelinor {

// Standard weight and height of a child of `years` whole years: "11kg", "84cm".
std::string standardWeightText(int years);
std::string standardHeightText(int years);

// "通过临床表现：缺乏铁、蛋白质、锰、锌。" — the nutrients a child is judged to lack from the
// clinical-sign codes of its archive, each named once, in the order the codes first name them.
std::string deficiencySentence(std::string_view signCodes);

// Everything the archive display shows beside the stored texts.
struct GrowthEvaluation
{
    std::string ageText; // empty when the birth date cannot be read
    std::string standardWeight;
    std::string standardHeight;
    std::string kaup; // "%.2f"
    std::string rohrer; // "%.2f"
    std::string evaluation; // the Kaup grading text
    std::string deficiency;
};

// The evaluation of an archive on the program's today.
GrowthEvaluation evaluateGrowth(const ArchiveRecord& archive);

} // namespace pelinor
