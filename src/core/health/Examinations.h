#pragma once

#include "core/common/Outcome.h"
#include "core/health/DateRange.h"
#include "core/health/Examination.h"

#include <optional>
#include <string>
#include <vector>

namespace pelinor {

// The body-mass index the form shows and stores: with both measurements above 0, weight ÷ (height
// in metres)², worked out in single precision and cut to three decimals; nothing otherwise.
std::optional<float> bodyMassIndex(float heightCm, float weightKg);

// One line of the examination list: the child from the archive, the examination's ID and values.
struct ExaminationRow
{
    int id = 0;
    std::string archId;
    std::string name;
    std::string date;
    std::string height; // "%.1f"
    std::string weight; // "%.1f"
    std::string gender;
    std::string leftVision;
    std::string rightVision;
    std::string trachoma;

    bool operator==(const ExaminationRow&) const = default;
};

// The examinations of the children of a class, child by child in the stored order of the archives,
// each child's by date; only those held under the class and, with a range, on its dates.
std::vector<ExaminationRow> listExaminations(const std::string& className, const DateScope& scope);

// A new form for the child: name, class, sex and archive number from the archive and today's date;
// nothing when the child has no archive.
std::optional<Examination> newExamination(const std::string& archId);

// The stored examination with this ID; nothing when there is none.
std::optional<Examination> loadExamination(int id);

// Stores the form and gives the examination's ID. Refuses a weight or a height of 0 or less and
// an examination without the chief doctor's name, in that order; a new one (ID −1) also when the
// child has one on that date already. The BMI is worked out again from height and weight. An edit
// replaces the stored row under the same ID in one transaction, so a failure keeps the old one.
Outcome<int> saveExamination(const Examination& examination);

// Deletes the examination with this ID and nothing else.
void deleteExamination(int id);

} // namespace pelinor
