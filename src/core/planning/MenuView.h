#pragma once

#include "core/common/MealSlot.h"
#include "core/common/Outcome.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pelinor {

// The plan a menu shows: the columns of its PantryRecord row that the menu view needs.
struct MenuPlan
{
    int id = -1;
    std::string name;
    std::string cycle; // "一天" or "一周"
    std::string date; // the day of a one-day plan, the Monday of a one-week plan
    std::string kind; // "个人" or "团体"
    std::string subject; // the child's name or the classes joined by "；"

    bool isOneDay() const
    {
        return cycle == kOneDayCycle;
    }
};

// The plan numbered `planId` (its first stored row); nothing when there is none.
std::optional<MenuPlan> loadMenuPlan(int planId);

// The day key a menu action works on: "一天" for a one-day plan, otherwise the chosen week day.
std::string menuDayKey(const MenuPlan& plan, std::string_view chosenDay);

// One line of the menu list.
struct MenuLine
{
    std::string meal; // "餐次"
    std::string name; // "名称"
    std::string weight; // "重量(g)", as stored
    std::string foods; // "详情": the composition
};

// One day of a plan as the menu view lists it: grouped by meal time in the order of the five meal
// times, within a meal time in stored order. Rows with any other meal text are not listed. `date`
// is the date stored with the day's listed rows (the last one's), empty when the day has none.
struct MenuDay
{
    std::vector<MenuLine> lines;
    std::string date;
};

// The rows of one day: every row of a one-day plan, whatever day key they carry; for a one-week
// plan the rows stored under `dayKey`.
MenuDay loadMenuDay(const MenuPlan& plan, std::string_view dayKey);

// A name or composition as the printed menu shows it: every "（…）" part removed, then every
// "[…]" part (brackets included). An opening bracket without a closing one after it ends that
// cleaning; the rest of the text is kept as it is.
std::string cleanMenuText(std::string_view text);

// What the printed menu shows: one text per day and meal time. A cell holds the cleaned names of
// its rows, each followed by "；", then their cleaned compositions, in stored order. A one-day
// plan fills the first day only.
struct MenuGrid
{
    bool oneDay = false;
    std::array<std::array<std::string, kMealSlotCount>, 5> cells {}; // [day][meal time]

    const std::string& cell(int day, int meal) const
    {
        return cells[static_cast<std::size_t>(day)][static_cast<std::size_t>(meal)];
    }
    int dayCount() const
    {
        return oneDay ? 1 : 5;
    }
};

MenuGrid buildMenuGrid(const MenuPlan& plan);

// A day of a plan to be kept as a set meal.
struct SetMealFromDay
{
    int planId = -1;
    std::string dayKey; // "一天" or "周一" … "周五"
    std::string name; // the set meal's name
    std::string date; // the shown day's date
    std::string subject; // the plan's subject text: the classes the set meal suits
};

// Copies the rows of a plan day into a new set meal (PackageName with its PackageCook rows), all in
// one transaction, and gives the new set meal's number. An empty name is refused and writes nothing.
Outcome<int> MakeSetMeal(const SetMealFromDay& request);

inline constexpr std::string_view kSetMealNameMissing = "套餐名称不能为空！";
inline constexpr std::string_view kSetMealMade = "套餐生成成功";

} // namespace pelinor
