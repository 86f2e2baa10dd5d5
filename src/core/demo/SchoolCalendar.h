#pragma once

#include "core/common/CalendarDate.h"

#include <vector>

namespace pelinor {

// The calendar of the large demonstration kindergarten: five years of use that end on a fixed
// day, so the folder never depends on the day it is made.
namespace schoolcalendar {

// The last day the folder's records reach (a Friday).
inline constexpr CalendarDate kLastDay { 2026, 12, 18 };
// The Monday of the first planned week, five years before.
inline constexpr CalendarDate kFirstPlanMonday { 2022, 1, 3 };

// Monday to Friday outside the holidays: New Year's Day, the winter break around the Spring
// Festival (20 January – 20 February), the summer break (15 July – 31 August) and the National
// Day week (1 – 7 October).
bool isSchoolDay(const CalendarDate& day);

// The school day itself, or the first one after it.
CalendarDate nextSchoolDay(const CalendarDate& day);

// Every school day from `first` to `last`, both included.
std::vector<CalendarDate> schoolDays(const CalendarDate& first, const CalendarDate& last);

// The Mondays from kFirstPlanMonday whose whole week (to Friday) lies before kLastDay and that
// are school days: the weeks a meal plan is made for.
std::vector<CalendarDate> schoolWeeks();

} // namespace schoolcalendar

} // namespace pelinor
