#pragma once

#include "core/common/Clock.h"

#include <optional>
#include <string>
#include <string_view>

namespace pelinor {

// A day of the calendar, as the data files store it ("%Y-%m-%d").
struct CalendarDate
{
    int year = 1970;
    int month = 1;
    int day = 1;

    // "2026-12-07".
    std::string text() const;

    // Days since 1970-01-01 (negative before it); the difference of two dates in days.
    long long serial() const;
    static CalendarDate fromSerial(long long serial);

    CalendarDate plusDays(long long days) const;
    // The same day `months` later (or earlier); a day past the month's end becomes its last day.
    CalendarDate plusMonths(int months) const;

    // 0 for Monday … 6 for Sunday.
    int weekday() const;
    // The Monday of the date's week (the date itself on a Monday).
    CalendarDate mondayOfWeek() const;

    static CalendarDate fromDateTime(const DateTime& moment);

    friend bool operator==(const CalendarDate&, const CalendarDate&) = default;
    friend auto operator<=>(const CalendarDate&, const CalendarDate&) = default;
};

// Reads "%Y-%m-%d", also with one-digit months and days ("2011-9-3"); nothing for any other text
// or for a day the calendar does not have (2026-02-30).
std::optional<CalendarDate> parseCalendarDate(std::string_view text);

} // namespace pelinor
