#pragma once

#include "core/analysis/DietStructure.h"
#include "core/analysis/EnergySources.h"
#include "core/analysis/MacronutrientRatios.h"
#include "core/analysis/NutrientContent.h"
#include "core/analysis/NutrientEvaluation.h"
#include "core/analysis/StandardComparison.h"
#include "core/analysis/SubjectHeader.h"

#include <string>

namespace pelinor {

// The plan and the day an analysis is about.
struct AnalysedPlan
{
    int id = 0;
    bool found = false; // false: no plan of that number (everything below is then empty)
    std::string name;
    std::string cycle; // "一天" or "一周"
    std::string dayKey; // "一天", "周一" … "周五"
    std::string dayDate; // the date stored with the day's rows
    int referenceYear = 0; // the year the children's ages for the reference intakes count from
};

// The whole analysis of one day of one saved plan: what every tab shows and the report prints,
// every figure already formatted.
struct PlanDayAnalysis
{
    AnalysedPlan plan;
    SubjectHeader subject;
    NutrientContent content; // 各类营养素含量
    StandardComparison comparison; // 与营养标准比对
    DietStructure dietStructure; // 饮食结构评价
    NutrientEvaluation nutrients; // 饮食营养素评价
    EnergySources energySources; // 食物能量来源
    MacronutrientRatios macronutrients; // 三大营养素功能比
};

// Analyses the day `dayKey` of plan `planId` (empty: the plan's first day). The children's ages
// for the reference intakes count from today's year, their age texts from today's month (the
// program clock).
PlanDayAnalysis AnalysePlanDay(int planId, const std::string& dayKey);
// The same with the reference ages counted from another year (the plan editor counts from the
// plan's year).
PlanDayAnalysis AnalysePlanDay(int planId, const std::string& dayKey, int referenceYear);

} // namespace pelinor
