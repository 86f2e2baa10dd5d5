#include "core/planning/PlanDates.h"

namespace pelinor {

CalendarDate NextMonday(const CalendarDate& today)
{
    // Sunday 1 day ahead, Tuesday 6 … Saturday 2; a Monday is its own.
    const int weekday = today.weekday();
    return today.plusDays(weekday == 0 ? 0 : 7 - weekday);
}

CalendarDate weekDayDate(const CalendarDate& monday, int index)
{
    return monday.plusDays(index);
}

Outcome<int> checkPickedDate(const CalendarDate& picked, const CalendarDate& planDate)
{
    const int weekday = picked.weekday();
    if (weekday > 4) {
        return refuse(kPickWeekdayMessage);
    }
    if (picked.mondayOfWeek() != planDate.mondayOfWeek()) {
        return refuse(kPickThisWeekMessage);
    }
    return weekday;
}

} // namespace pelinor
