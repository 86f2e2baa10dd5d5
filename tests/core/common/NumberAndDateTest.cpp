#include "core/common/CalendarDate.h"
#include "core/common/MealSlot.h"
#include "core/common/NumberFormat.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

using namespace pelinor;

TEST(NumberFormatTest, GivesPrintfsTextsWhateverTheLocale)
{
    struct Case
    {
        double value;
        int decimals;
        const char* text;
    };
    const Case cases[] = {
        { 19.125, 2, "19.12" }, // an exact tie rounds to even, as glibc does
        { 19.135, 2, "19.14" }, // 19.135 is stored as 19.13500000000000156...
        { 2.675, 2, "2.67" }, // stored as 2.67499999999999982...
        { 0.5, 0, "0" },
        { 1.5, 0, "2" },
        { 2.5, 0, "2" },
        { -0.004, 2, "-0.00" },
        { 1400.0f * 0.6f * 0.25f, 2, "210.00" },
        { 0.1f, 3, "0.100" },
        { 0.1f, 9, "0.100000001" }, // a float shows its own binary value
        { 123456.789, 1, "123456.8" },
        { 7.0, 0, "7" },
    };
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8"); // a comma locale must change nothing
    for (const auto& c : cases) {
        EXPECT_EQ(formatFixed(c.value, c.decimals), c.text) << c.value;
    }
    std::setlocale(LC_NUMERIC, "C");
    EXPECT_EQ(formatFixed(std::numeric_limits<double>::infinity(), 2), "");
    EXPECT_EQ(formatFixed(std::nan(""), 1), "");
    EXPECT_EQ(formatInt(-42), "-42");
}

TEST(CalendarDateTest, ReadsStoredDatesAndCountsDays)
{
    struct Case
    {
        const char* text;
        bool valid;
        const char* normalised;
        int weekday;
        const char* monday;
    };
    const Case cases[] = {
        { "2026-12-07", true, "2026-12-07", 0, "2026-12-07" },
        { "2026-12-06", true, "2026-12-06", 6, "2026-11-30" },
        { "2011-9-3", true, "2011-09-03", 5, "2011-08-29" },
        { "2024-02-29", true, "2024-02-29", 3, "2024-02-26" },
        { "2021-01-01", true, "2021-01-01", 4, "2020-12-28" },
        { "2100-03-01", true, "2100-03-01", 0, "2100-03-01" },
        { "2100-02-29", false, "", 0, "" }, // 2100 is no leap year
        { "2026-13-01", false, "", 0, "" },
        { "", false, "", 0, "" },
        { "2026/12/07", false, "", 0, "" },
        { "2026-12-07 08:00:00", false, "", 0, "" },
    };
    for (const auto& c : cases) {
        const auto date = parseCalendarDate(c.text);
        ASSERT_EQ(date.has_value(), c.valid) << c.text;
        if (date) {
            EXPECT_EQ(date->text(), c.normalised);
            EXPECT_EQ(date->weekday(), c.weekday) << c.text;
            EXPECT_EQ(date->mondayOfWeek().text(), c.monday) << c.text;
        }
    }
    const CalendarDate leapDay { 2024, 2, 29 };
    EXPECT_EQ(leapDay.plusDays(1).text(), "2024-03-01");
    EXPECT_EQ(leapDay.plusDays(-60).text(), "2023-12-31");
    EXPECT_EQ(leapDay.plusMonths(12).text(), "2025-02-28");
    EXPECT_EQ((CalendarDate { 2026, 1, 31 }).plusMonths(1).text(), "2026-02-28");
    EXPECT_EQ((CalendarDate { 2026, 3, 15 }).plusMonths(-15).text(), "2024-12-15");
    EXPECT_EQ((CalendarDate { 2027, 1, 1 }).serial() - (CalendarDate { 2026, 1, 1 }).serial(), 365);
    EXPECT_EQ(CalendarDate::fromSerial(0).text(), "1970-01-01");
}

TEST(MealSlotTest, NamesTheFiveMealsAndTheWeekDaysInOrder)
{
    EXPECT_EQ(mealSlotIndex("早餐"), 0);
    EXPECT_EQ(mealSlotIndex("午点"), 3);
    EXPECT_EQ(mealSlotIndex("晚餐"), 4);
    EXPECT_EQ(mealSlotIndex("夜宵"), -1);
    EXPECT_EQ(weekDayIndex("周一"), 0);
    EXPECT_EQ(weekDayIndex("周五"), 4);
    EXPECT_EQ(weekDayIndex("一天"), -1);
}
