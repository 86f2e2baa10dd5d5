#include "core/planning/PlanDates.h"

#include <gtest/gtest.h>

using namespace pelinor;

namespace {

CalendarDate date(const char* text)
{
    return *parseCalendarDate(text);
}

} // namespace

TEST(PlanDatesTest, NextMondayCarriesAcrossMonthYearAndFebruary)
{
    struct Case
    {
        const char* today;
        const char* monday;
    };
    const Case cases[] = {
        { "2026-12-07", "2026-12-07" }, // a Monday is its own
        { "2026-12-27", "2026-12-28" }, // Sunday: the next day
        { "2026-01-28", "2026-02-02" }, // Wednesday, across a 31-day month
        { "2026-04-30", "2026-05-04" }, // across a 30-day month
        { "2026-12-29", "2027-01-04" }, // across the year
        { "2024-02-24", "2024-02-26" }, // Saturday, inside February
        { "2024-02-27", "2024-03-04" }, // leap year: 29 days
        { "2024-02-29", "2024-03-04" },
        { "2023-02-25", "2023-02-27" },
        { "2100-02-24", "2100-03-01" }, // 2100 is no leap year
        { "2100-02-27", "2100-03-01" },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NextMonday(date(c.today)).text(), c.monday) << c.today;
    }
    EXPECT_EQ(weekDayDate(date("2026-02-23"), 4).text(), "2026-02-27");
    EXPECT_EQ(weekDayDate(date("2024-02-26"), 3).text(), "2024-02-29");
}

TEST(PlanDatesTest, APickedDateMustBeAWeekdayOfThePlanWeek)
{
    struct Case
    {
        const char* picked;
        const char* planDate;
        int weekday; // -1: refused
        const char* message;
    };
    const Case cases[] = {
        { "2026-12-16", "2026-12-14", 2, "" }, { "2026-12-18", "2026-12-16", 4, "" },
        { "2026-12-14", "2026-12-18", 0, "" }, { "2026-12-19", "2026-12-14", -1, "请选择周内时间！" }, // Saturday
        { "2026-12-20", "2026-12-14", -1, "请选择周内时间！" }, // Sunday of the same week
        { "2026-12-21", "2026-12-14", -1, "请选择本周内时间！" }, // next Monday
        { "2026-12-11", "2026-12-14", -1, "请选择本周内时间！" }, // Friday before
        { "2027-01-01", "2026-12-28", 4, "" }, // a week across the new year
    };
    for (const auto& c : cases) {
        const Outcome<int> outcome = checkPickedDate(date(c.picked), date(c.planDate));
        EXPECT_EQ(outcome.message(), c.message) << c.picked;
        if (c.weekday >= 0) {
            ASSERT_TRUE(outcome.ok()) << c.picked;
            EXPECT_EQ(*outcome, c.weekday) << c.picked;
        }
    }
}
