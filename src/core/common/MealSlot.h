#pragma once

#include <array>
#include <string>
#include <string_view>

namespace pelinor {

// The five meal times of a day, in the order every screen and report lists them.
inline constexpr std::array<std::string_view, 5> kMealSlots = { "早餐", "早点", "午餐", "午点", "晚餐" };
inline constexpr int kMealSlotCount = 5;

// The position of a meal-time text among the five; -1 for any other text.
int mealSlotIndex(std::string_view meal);

// Day keys of a plan: "一天" for a one-day plan, "周一" … "周五" for the days of a one-week plan.
inline constexpr std::string_view kOneDayKey = "一天";
inline constexpr std::array<std::string_view, 5> kWeekDayKeys = { "周一", "周二", "周三", "周四", "周五" };

// The cycles a plan is made for.
inline constexpr std::string_view kOneDayCycle = "一天";
inline constexpr std::string_view kOneWeekCycle = "一周";

// The position of a week-day key (周一 → 0 … 周五 → 4); -1 for "一天" and any other text.
int weekDayIndex(std::string_view dayKey);

} // namespace pelinor
