#pragma once

#include <array>
#include <string>
#include <string_view>

namespace pelinor {

struct PlanDaySource;

// How the day's food divides among the meal times and among five source classes. Every share is
// a share of mass (grams), truncated to a whole percent.
struct MealShare
{
    std::string meal; // "早餐"
    double grams = 0.0; // the stored weights of the meal's items
    int share = 0;
    std::string shareText; // "20%"
    int reference = 0; // 20, 10, 30, 10, 30
    std::string referenceText; // "20%"
};

struct SourceShare
{
    std::string name; // "谷薯类"
    double grams = 0.0;
    std::string gramsText; // "%.0f"
    int share = 0;
    std::string shareText; // "33%"
};

inline constexpr int kSourceClassCount = 5;

struct EnergySources
{
    std::array<MealShare, 5> meals;
    std::array<SourceShare, kSourceClassCount> sources;
    double totalWeight = 0.0; // the stored weights of every item of the day
};

// The lists: the sources list ("食物种类", "摄入量", "占总摄入量比") and the meal list ("餐次",
// "实际值", "参考值").
extern const std::array<std::string_view, 3> kSourceListHeaders;
extern const std::array<std::string_view, 3> kMealListHeaders;
// What the nutritionist's evaluation box starts with.
extern const std::string_view kEnergySourcesPrompt;

// The source class of a top-level food type: 0 cereals and tubers, 1 beans, 2 other plant foods,
// 3 animal foods, 4 pure-energy foods, -1 none.
int sourceClassOf(int bigType);

// Meal shares: the stored item weights of a meal × 100 / the day's total, truncated; dinner takes
// what the first four leave. Source shares: the grams of a class × 100 / the day's total,
// truncated; the animal foods take the difference to 100 (never below 0). A day whose total is 0
// shows 0 everywhere.
EnergySources computeEnergySources(const PlanDaySource& source);

} // namespace pelinor
