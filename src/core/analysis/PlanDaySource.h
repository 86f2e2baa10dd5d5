#pragma once

#include <array>
#include <string>
#include <vector>

namespace pelinor {

// A food of the catalogue as the analysis reads it: its top-level type and the numeric columns
// of its FoodShow row, by position (6 energy, 8 protein, 9 fat, 10 carbohydrate, ... 37 iodine).
struct AnalysedFood
{
    static constexpr int kColumnCount = 40;
    int bigType = 0;
    std::array<double, kColumnCount> columns {};

    double operator[](int column) const
    {
        return columns[static_cast<std::size_t>(column)];
    }
};

// One food of a plan item: its name and grams from the item's composition text, and the
// catalogue row of that name (-1 when the catalogue has none: such a food adds nothing).
struct AnalysedPortion
{
    std::string foodName;
    double grams = 0.0;
    int food = -1;
};

// One dish or single food of the analysed day, as the plan stores it.
struct AnalysedItem
{
    std::string name;
    std::string composition;
    std::string meal;
    std::string date;
    std::string weight; // the stored text, e.g. "160"
    std::vector<AnalysedPortion> portions;
};

// Everything the analysis of one plan day reads from the plan and the food catalogue, read once.
struct PlanDaySource
{
    int planId = 0;
    std::string dayKey;

    bool planFound = false;
    std::string planName;
    std::string cycle;
    std::string kind;
    std::string subjects;
    std::string archId;
    std::string planDate;

    // The date stored with the day's first row; empty for a day without rows.
    std::string dayDate;
    // The day's rows in stored order.
    std::vector<AnalysedItem> items;
    // The catalogue rows the portions point at.
    std::vector<AnalysedFood> foods;

    const AnalysedFood* foodOf(const AnalysedPortion& portion) const
    {
        return portion.food < 0 ? nullptr : &foods[static_cast<std::size_t>(portion.food)];
    }
};

// Reads the plan record, the day's rows (plan id and day key) and, for every food they name, the
// first catalogue row of that name. Rows left behind by a plan that no longer exists are not read.
// An empty day key is the plan's first day: "一天" for a one-day plan, "周一" for a one-week plan.
PlanDaySource loadPlanDay(int planId, const std::string& dayKey);

} // namespace pelinor
