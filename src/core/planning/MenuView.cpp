#include "core/planning/MenuView.h"

#include "core/common/DecimalText.h"
#include "core/db/DatabaseCatalog.h"
#include "core/db/DatabaseConnection.h"
#include "core/db/NextId.h"
#include "core/db/SqlFormat.h"
#include "core/db/UnitOfWork.h"
#include "core/planning/PlanRecords.h"

namespace pelinor {

namespace {

// PantryCook columns.
constexpr int kCookName = 2, kCookFoods = 3, kCookMeal = 5, kCookDate = 6, kCookIsDish = 7, kCookWeight = 8;

struct PlanRow
{
    std::string name, foods, meal, date, isDish, weight;
};

// The rows of a plan (one day of it when `dayKey` is given), in stored order.
std::vector<PlanRow> planRows(CppSQLite3DB& db, const std::string& table, int planId, std::string_view dayKey)
{
    const std::string sql = dayKey.empty()
        ? formatSql("SELECT * FROM  " + table + " WHERE  PcookPID = '%d' ORDER BY rowid", planId)
        : formatSql(
            "SELECT * FROM  " + table + " WHERE  PcookPID = '%d' AND PcookWeek = '%s' ORDER BY rowid", planId, dayKey);
    std::vector<PlanRow> rows;
    for (auto query = db.execQuery(sql); !query.eof(); query.nextRow()) {
        rows.push_back({ query.getStringField(kCookName), query.getStringField(kCookFoods),
            query.getStringField(kCookMeal), query.getStringField(kCookDate), query.getStringField(kCookIsDish),
            query.getStringField(kCookWeight) });
    }
    return rows;
}

// Removes every part from `open` to the next `close`; an `open` without a `close` after it stops.
std::string removeBracketed(std::string text, std::string_view open, std::string_view close)
{
    std::size_t from = 0;
    while ((from = text.find(open, from)) != std::string::npos) {
        const std::size_t end = text.find(close, from + open.size());
        if (end == std::string::npos) {
            break;
        }
        text.erase(from, end + close.size() - from);
    }
    return text;
}

} // namespace

std::optional<MenuPlan> loadMenuPlan(int planId)
{
    const auto record = loadPlanRecord(planId);
    if (!record) {
        return std::nullopt;
    }
    return MenuPlan { record->id, record->name, record->cycle, record->date, record->kind, record->subject };
}

std::string menuDayKey(const MenuPlan& plan, std::string_view chosenDay)
{
    return std::string(plan.isOneDay() ? kOneDayKey : chosenDay);
}

MenuDay loadMenuDay(const MenuPlan& plan, std::string_view dayKey)
{
    DatabaseConnection db(PantryDb);
    const auto rows = planRows(db, "PantryCook", plan.id, plan.isOneDay() ? std::string_view() : dayKey);
    // Each meal time's lines go after those of the meal times before it, whatever order they were saved in.
    std::array<std::vector<MenuLine>, kMealSlotCount> byMeal;
    MenuDay day;
    for (const auto& row : rows) {
        const int meal = mealSlotIndex(row.meal);
        if (meal < 0) {
            continue;
        }
        byMeal[static_cast<std::size_t>(meal)].push_back({ row.meal, row.name, row.weight, row.foods });
        day.date = row.date;
    }
    for (auto& lines : byMeal) {
        day.lines.insert(day.lines.end(), lines.begin(), lines.end());
    }
    return day;
}

std::string cleanMenuText(std::string_view text)
{
    return removeBracketed(removeBracketed(std::string(text), "（", "）"), "[", "]");
}

MenuGrid buildMenuGrid(const MenuPlan& plan)
{
    MenuGrid grid;
    grid.oneDay = plan.isOneDay();
    DatabaseConnection db(PantryDb);
    for (int day = 0; day < grid.dayCount(); ++day) {
        const auto rows = planRows(
            db, "PantryCook", plan.id, grid.oneDay ? std::string_view() : kWeekDayKeys[static_cast<std::size_t>(day)]);
        std::array<std::string, kMealSlotCount> names, foods;
        for (const auto& row : rows) {
            const int meal = mealSlotIndex(row.meal);
            if (meal < 0) {
                continue;
            }
            names[static_cast<std::size_t>(meal)] += cleanMenuText(row.name) + "；";
            foods[static_cast<std::size_t>(meal)] += cleanMenuText(row.foods);
        }
        for (std::size_t meal = 0; meal < names.size(); ++meal) {
            grid.cells[static_cast<std::size_t>(day)][meal] = names[meal] + foods[meal];
        }
    }
    return grid;
}

Outcome<int> MakeSetMeal(const SetMealFromDay& request)
{
    const std::string name = trimmedText(request.name);
    if (name.empty()) {
        return refuse(std::string(kSetMealNameMissing));
    }
    // The head and every item, with their numbers, in one transaction: a failure part-way leaves
    // no half-made set meal behind.
    UnitOfWork work(PackageDb, { PantryDb });
    CppSQLite3DB& db = work.db();
    const auto rows = planRows(db, UnitOfWork::schemaName(PantryDb) + ".PantryCook", request.planId, request.dayKey);
    const int setMealId = nextId(db, "PackageName", "ID", 0);
    db.execQuery(formatSql(
        "INSERT INTO PackageName  VALUES('%d','%s','%s','%s')", setMealId, name, request.date, request.subject));
    int itemId = nextId(db, "PackageCook", "PcookID", 0);
    for (const auto& row : rows) {
        db.execQuery(formatSql("INSERT INTO PackageCook  VALUES('%d','%d','%s','%s','%s','%s','%s','%s')", itemId++,
            setMealId, row.name, row.weight, row.meal, row.date, row.isDish, row.foods));
    }
    work.commit();
    return setMealId;
}

} // namespace pelinor
