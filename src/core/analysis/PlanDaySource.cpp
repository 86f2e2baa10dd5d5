#include "core/analysis/PlanDaySource.h"

#include "core/common/DishComposition.h"
#include "core/common/MealSlot.h"
#include "core/db/DatabaseConnection.h"
#include "core/db/SqlFormat.h"
#include "core/planning/PlanRecords.h"

#include <algorithm>
#include <unordered_map>

namespace pelinor {

namespace {

void readPlanRecord(CppSQLite3DB& pantry, PlanDaySource& source)
{
    const auto record = loadPlanRecord(pantry, source.planId);
    if (!record) {
        return;
    }
    source.planFound = true;
    source.planName = record->name;
    source.cycle = record->cycle;
    source.kind = record->kind;
    source.subjects = record->subject;
    source.planDate = record->date;
    source.archId = record->archId;
}

void readItems(CppSQLite3DB& pantry, PlanDaySource& source)
{
    auto query = pantry.execQuery(
        formatSql("SELECT * FROM PantryCook WHERE PcookPID = '%d' AND PcookWeek = '%s' ORDER BY rowid", source.planId,
            source.dayKey));
    for (; !query.eof(); query.nextRow()) {
        AnalysedItem item;
        item.name = query.getStringField(2);
        item.composition = query.getStringField(3);
        item.meal = query.getStringField(5);
        item.date = query.getStringField(6);
        item.weight = query.getStringField(8);
        for (auto& entry : DishComposition::parse(item.composition)) {
            item.portions.push_back({ std::move(entry.foodName), entry.grams, -1 });
        }
        source.items.push_back(std::move(item));
    }
    if (!source.items.empty()) {
        source.dayDate = source.items.front().date;
    }
}

void readFoods(PlanDaySource& source)
{
    std::unordered_map<std::string, int> known;
    std::string names;
    for (const auto& item : source.items) {
        for (const auto& portion : item.portions) {
            if (known.emplace(portion.foodName, -1).second) {
                names += (names.empty() ? "" : ",") + formatSql("'%s'", portion.foodName);
            }
        }
    }
    if (known.empty()) {
        return;
    }
    // One query for every food of the day; of several rows with one name the first stored counts.
    DatabaseConnection cook(CookDb);
    for (auto query = cook.execQuery("SELECT * FROM FoodShow WHERE FoodName IN (" + names + ") ORDER BY rowid");
         !query.eof(); query.nextRow()) {
        int& index = known[query.getStringField(3)];
        if (index >= 0) {
            continue;
        }
        AnalysedFood food;
        food.bigType = query.getIntField(1);
        const int columns = std::min(query.numFields(), AnalysedFood::kColumnCount);
        for (int c = 0; c < columns; ++c) {
            food.columns[static_cast<std::size_t>(c)] = query.getFloatField(c);
        }
        index = static_cast<int>(source.foods.size());
        source.foods.push_back(food);
    }
    for (auto& item : source.items) {
        for (auto& portion : item.portions) {
            portion.food = known.at(portion.foodName);
        }
    }
}

} // namespace

PlanDaySource loadPlanDay(int planId, const std::string& dayKey)
{
    PlanDaySource source;
    source.planId = planId;
    source.dayKey = dayKey;
    {
        DatabaseConnection pantry(PantryDb);
        readPlanRecord(pantry, source);
        if (source.planFound) {
            if (source.dayKey.empty()) {
                source.dayKey = std::string(source.cycle == kOneWeekCycle ? kWeekDayKeys.front() : kOneDayKey);
            }
            readItems(pantry, source);
        }
    }
    readFoods(source);
    return source;
}

} // namespace pelinor
