#pragma once

#include "core/common/Outcome.h"

#include <optional>
#include <string>
#include <vector>

namespace pelinor {

class CppSQLite3DB;

// One saved plan: a PantryRecord row.
struct PlanRecord
{
    int id = -1;
    std::string name;
    std::string cycle; // "一天" or "一周"
    std::string created; // date of the last save
    std::string dietitian;
    std::string kind; // "个人" or "团体"
    std::string subject; // the child's name, or the class names joined by "；"
    std::string date; // the day of a one-day plan, the Monday of a one-week plan
    std::string archId; // the child's archive number of a personal plan

    bool operator==(const PlanRecord&) const = default;
};

// One dish or single food of a plan: a PantryCook row without its row number and plan number.
struct PlanItemRow
{
    std::string name;
    std::string composition;
    std::string dayKey; // "周一" … "周五", or "一天"
    std::string meal;
    std::string date;
    std::string isDish; // "是" or "否"
    std::string weight;

    bool operator==(const PlanItemRow&) const = default;
};

inline constexpr const char* kPlanGoneMessage = "该配餐已不存在，请刷新列表！";

// The plan list: every plan, or only those whose subject is exactly `subjectFilter` (a class plan
// is found by its whole subject text, not by one of its classes). The most recently written plan
// comes first.
std::vector<PlanRecord> loadPlanList(const std::string& subjectFilter);

std::optional<PlanRecord> loadPlanRecord(int planId);
// The same on a connection to the pantry file the caller holds.
std::optional<PlanRecord> loadPlanRecord(CppSQLite3DB& pantryDb, int planId);

// The items of a plan in stored order.
std::vector<PlanItemRow> loadPlanItems(int planId);

// Deletes a plan with its items and numbers the later plans down by one, their items following
// them, so that no gap remains. All of it or nothing. Refused when the plan is not there (a stale
// list would otherwise renumber the wrong plans).
Outcome<> deletePlan(int planId);
Outcome<> deletePlan(CppSQLite3DB& pantryDb, int planId);

// What one save of the plan editor writes.
struct PlanDayWrite
{
    int planId = -1; // -1: a new plan, numbered by the save
    PlanRecord record; // its id is ignored
    // The day whose items are replaced: "一天" replaces every item of a one-day plan.
    std::string dayKey;
    std::vector<PlanItemRow> items; // the items of that day, in order
};

// Writes the plan's record and replaces the items of one day, in one transaction: a new plan
// gets the next free number, the record is written again (it moves to the top of the plan list)
// and the day's rows are replaced by `items`, each with the next free row number. Returns the
// plan's number; on a database failure nothing has changed.
int savePlanDay(const PlanDayWrite& write);

// The same on a caller's connection, inside the caller's unit of work.
int writePlanDay(CppSQLite3DB& pantryDb, const PlanDayWrite& write);

} // namespace pelinor
