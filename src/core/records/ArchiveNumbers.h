#pragma once

#include "core/common/Outcome.h"

#include <string>

namespace pelinor {

class CppSQLite3DB;

// Archive numbers (ArchID): the two-digit year of today followed by a six-digit running number
// that starts again at 000000 every year. The next free number of the current year; refused when
// the year's numbers are used up (the next one would no longer have six digits).
Outcome<std::string> newArchiveId();

// What the form says when a year has no archive number left.
inline constexpr const char* kArchiveNumbersUsedUp = "本年度的档案编号已经用完，不能再新建档案！";

// Student numbers: a two-digit class code (the class's position in the stored class order) followed
// by a three-digit sequence number within the class.
std::string classCode(int position);
std::string sequenceText(int number);

// The sequence number of a student number: its last three characters; 0 when they are no number.
int studentSequence(const std::string& studentId);

// The student number the form shows when `className` is chosen for the archive `archId`: the
// stored one when the archive is already in that class (whether or not the class table still has
// it), otherwise the class code followed by one more than the highest sequence number of the class
// (001 for an empty class). Empty when the class does not exist.
std::string studentNumberForForm(const std::string& archId, const std::string& className);

// The position of a class in the stored class order; -1 when there is no such class.
int classPosition(const std::string& className);
// The same on the record file's connection of a caller's unit of work.
int classPosition(CppSQLite3DB& db, const std::string& className);

} // namespace pelinor
