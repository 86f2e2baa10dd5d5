#include "core/common/CalendarDate.h"

#include <charconv>
#include <chrono>
#include <cstdio>

namespace pelinor {

namespace {

using namespace std::chrono;

year_month_day toYmd(const CalendarDate& date)
{
    return year_month_day { year { date.year }, month { static_cast<unsigned>(date.month) },
        day { static_cast<unsigned>(date.day) } };
}

CalendarDate fromYmd(const year_month_day& ymd)
{
    return { static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
        static_cast<int>(static_cast<unsigned>(ymd.day())) };
}

bool readNumber(std::string_view& text, std::size_t minDigits, std::size_t maxDigits, int& value)
{
    std::size_t digits = 0;
    while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9') {
        ++digits;
    }
    if (digits < minDigits || digits > maxDigits) {
        return false;
    }
    std::from_chars(text.data(), text.data() + digits, value);
    text.remove_prefix(digits);
    return true;
}

} // namespace

std::string CalendarDate::text() const
{
    char buffer[32];
    std::snprintf(buffer, sizeof(buffer), "%04d-%02d-%02d", year, month, day);
    return buffer;
}

long long CalendarDate::serial() const
{
    return sys_days(toYmd(*this)).time_since_epoch().count();
}

CalendarDate CalendarDate::fromSerial(long long serial)
{
    return fromYmd(year_month_day(sys_days(days(serial))));
}

CalendarDate CalendarDate::plusDays(long long count) const
{
    return fromSerial(serial() + count);
}

CalendarDate CalendarDate::plusMonths(int count) const
{
    const year_month shifted
        = year_month(std::chrono::year { year }, std::chrono::month { static_cast<unsigned>(month) })
        + std::chrono::months(count);
    const unsigned lastDay
        = static_cast<unsigned>(year_month_day_last(shifted.year(), month_day_last(shifted.month())).day());
    const unsigned wanted = static_cast<unsigned>(day);
    return fromYmd(
        year_month_day(shifted.year(), shifted.month(), std::chrono::day(wanted < lastDay ? wanted : lastDay)));
}

int CalendarDate::weekday() const
{
    // iso_encoding: Monday 1 … Sunday 7.
    return static_cast<int>(std::chrono::weekday(sys_days(toYmd(*this))).iso_encoding()) - 1;
}

CalendarDate CalendarDate::mondayOfWeek() const
{
    return plusDays(-weekday());
}

CalendarDate CalendarDate::fromDateTime(const DateTime& moment)
{
    return { moment.year, moment.month, moment.day };
}

std::optional<CalendarDate> parseCalendarDate(std::string_view text)
{
    CalendarDate date;
    if (!readNumber(text, 4, 4, date.year) || !text.starts_with('-')) {
        return std::nullopt;
    }
    text.remove_prefix(1);
    if (!readNumber(text, 1, 2, date.month) || !text.starts_with('-')) {
        return std::nullopt;
    }
    text.remove_prefix(1);
    if (!readNumber(text, 1, 2, date.day) || !text.empty()) {
        return std::nullopt;
    }
    if (!toYmd(date).ok()) {
        return std::nullopt;
    }
    return date;
}

} // namespace pelinor
