#pragma once

#include "reports/charts/CGraph.h"

#include <array>

namespace pelinor {

struct DietStructure;
struct EnergySources;
struct MacronutrientRatios;

// The four charts of the analysis pages. Bar charts show each category's actual value (group 0,
// green) beside its reference (group 1, light cyan); the pie shows the day's food by source.

// "柱形图表" of the nine food groups in grams, 0 to 400.
CGraph foodGroupChart(const std::array<int, 9>& actual, const std::array<int, 9>& reference);
// "柱形图表" of the five meal times' shares in percent, 0 to 50.
CGraph mealChart(const std::array<int, 5>& actual, const std::array<int, 5>& reference);
// "柱形图表" of the carbohydrate, fat and protein shares in percent, 0 to 100.
CGraph macronutrientChart(const std::array<int, 3>& actual, const std::array<int, 3>& reference);
// "饼形图表" of the five source shares in percent, one series "24小时".
CGraph sourcePie(const std::array<int, 5>& shares);

// The same charts from an analysis, every value truncated to a whole number.
CGraph foodGroupChart(const DietStructure& diet);
CGraph mealChart(const EnergySources& sources);
CGraph macronutrientChart(const MacronutrientRatios& ratios);
CGraph sourcePie(const EnergySources& sources);

// A figure as the charts take it: truncated towards 0; 0 for a value that is not a number or
// does not fit.
int chartValue(double value);

} // namespace pelinor
