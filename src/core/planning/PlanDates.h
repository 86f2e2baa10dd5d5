#pragma once

#include "core/common/CalendarDate.h"
#include "core/common/Outcome.h"

namespace pelinor {

// The dates a plan is edited on. A one-week plan covers Monday to Friday of one week; its record
// is dated on the Monday and each day's items on their own day.

inline constexpr const char* kPickWeekdayMessage = "请选择周内时间！";
inline constexpr const char* kPickThisWeekMessage = "请选择本周内时间！";

// The Monday a new one-week plan starts on: today on a Monday, otherwise the coming Monday.
CalendarDate NextMonday(const CalendarDate& today);

// The date of week day `index` (0 Monday … 4 Friday) of the week starting on `monday`.
CalendarDate weekDayDate(const CalendarDate& monday, int index);

// Whether the date picker may move from the plan date to `picked`: only Monday to Friday of the
// plan date's own week. The week-day index (0 Monday … 4 Friday) of an accepted date.
Outcome<int> checkPickedDate(const CalendarDate& picked, const CalendarDate& planDate);

} // namespace pelinor
