#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pelinor {

// How a figure stands against its reference. The lists show it as a colour, the report as a word.
enum class Grade
{
    Normal, // black, "正常"
    Insufficient, // blue, "不足"
    Excess, // red, "过量"
};

// The text colour of a list cell, named as the pages paint them.
enum class CellColour
{
    Black,
    Blue,
    Red,
};

CellColour colourOf(Grade grade);
// "正常", "不足", "过量".
std::string_view gradeWord(Grade grade);

// Below 0.9 × reference insufficient, above 1.1 × reference excess, both limits normal. The
// factors are double, as every grading of the analysis compares them.
Grade gradeAgainst(double actual, double reference);

// Names joined by "、" (nothing after the last one).
std::string joinNames(const std::vector<std::string>& names);

// The month and day of a day date as the evaluation sentences write them, two digits each
// ("2026-03-05" gives "03" and "05"); empty for an empty date. A date the calendar cannot read is
// cut by character position (characters 6-7 and the last two), as it is stored.
struct MonthDay
{
    std::string month;
    std::string day;
};
MonthDay monthDayOf(const std::string& dayDate);

// The sentence pattern with each "%s" replaced by the next value (the patterns hold no other
// conversion).
std::string fillSlots(std::string_view pattern, const std::vector<std::string>& values);

// A share of a whole in percent; 0 when the whole is 0 (an empty day, a day without fat).
double shareOf(double part, double whole);

} // namespace pelinor
