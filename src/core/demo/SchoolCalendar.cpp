#include "core/demo/SchoolCalendar.h"

namespace pelinor::schoolcalendar {

namespace {

bool within(const CalendarDate& day, int fromMonth, int fromDay, int toMonth, int toDay)
{
    const int key = day.month * 100 + day.day;
    return key >= fromMonth * 100 + fromDay && key <= toMonth * 100 + toDay;
}

} // namespace

bool isSchoolDay(const CalendarDate& day)
{
    if (day.weekday() >= 5) {
        return false;
    }
    return !within(day, 1, 1, 1, 1) && !within(day, 1, 20, 2, 20) && !within(day, 7, 15, 8, 31)
        && !within(day, 10, 1, 10, 7);
}

CalendarDate nextSchoolDay(const CalendarDate& day)
{
    CalendarDate result = day;
    while (!isSchoolDay(result)) {
        result = result.plusDays(1);
    }
    return result;
}

std::vector<CalendarDate> schoolDays(const CalendarDate& first, const CalendarDate& last)
{
    std::vector<CalendarDate> days;
    for (CalendarDate day = first; day <= last; day = day.plusDays(1)) {
        if (isSchoolDay(day)) {
            days.push_back(day);
        }
    }
    return days;
}

std::vector<CalendarDate> schoolWeeks()
{
    std::vector<CalendarDate> mondays;
    for (CalendarDate monday = kFirstPlanMonday; monday.plusDays(4) <= kLastDay; monday = monday.plusDays(7)) {
        if (isSchoolDay(monday)) {
            mondays.push_back(monday);
        }
    }
    return mondays;
}

} // namespace pelinor::schoolcalendar
