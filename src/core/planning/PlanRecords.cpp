#include "core/planning/PlanRecords.h"

#include "core/common/MealSlot.h"
#include "core/db/DatabaseConnection.h"
#include "core/db/NextId.h"
#include "core/db/SqlFormat.h"
#include "core/db/UnitOfWork.h"

#include <algorithm>

namespace pelinor {

namespace {

PlanRecord recordOf(const CppSQLite3Query& query)
{
    PlanRecord record;
    record.id = query.getIntField(0);
    record.name = query.getStringField(1);
    record.cycle = query.getStringField(2);
    record.created = query.getStringField(3);
    record.dietitian = query.getStringField(4);
    record.kind = query.getStringField(5);
    record.subject = query.getStringField(6);
    record.date = query.getStringField(7);
    record.archId = query.getStringField(8);
    return record;
}

void insertRecord(CppSQLite3DB& db, int planId, const PlanRecord& record)
{
    db.execQuery(
        formatSql("INSERT INTO  PantryRecord VALUES('%d','%s','%s','%s','%s','%s','%s','%s','%s')", planId, record.name,
            record.cycle, record.created, record.dietitian, record.kind, record.subject, record.date, record.archId));
}

} // namespace

std::vector<PlanRecord> loadPlanList(const std::string& subjectFilter)
{
    DatabaseConnection db(PantryDb);
    const std::string sql = subjectFilter.empty()
        ? std::string("SELECT * FROM  PantryRecord  ORDER BY rowid")
        : formatSql("SELECT * FROM  PantryRecord  where PrecordSujects = '%s' ORDER BY rowid", subjectFilter);
    std::vector<PlanRecord> plans;
    for (auto query = db.execQuery(sql); !query.eof(); query.nextRow()) {
        plans.push_back(recordOf(query));
    }
    // Each row read goes to the top of the list.
    std::reverse(plans.begin(), plans.end());
    return plans;
}

std::optional<PlanRecord> loadPlanRecord(int planId)
{
    DatabaseConnection db(PantryDb);
    return loadPlanRecord(db, planId);
}

std::optional<PlanRecord> loadPlanRecord(CppSQLite3DB& pantryDb, int planId)
{
    auto query
        = pantryDb.execQuery(formatSql("SELECT * FROM  PantryRecord  WHERE PrecordID = '%d' ORDER BY rowid", planId));
    if (query.eof()) {
        return std::nullopt;
    }
    return recordOf(query);
}

std::vector<PlanItemRow> loadPlanItems(int planId)
{
    DatabaseConnection db(PantryDb);
    std::vector<PlanItemRow> items;
    for (auto query
         = db.execQuery(formatSql("SELECT * FROM  PantryCook  WHERE PcookPID = '%d' ORDER BY rowid", planId));
         !query.eof(); query.nextRow()) {
        PlanItemRow item;
        item.name = query.getStringField(2);
        item.composition = query.getStringField(3);
        item.dayKey = query.getStringField(4);
        item.meal = query.getStringField(5);
        item.date = query.getStringField(6);
        item.isDish = query.getStringField(7);
        item.weight = query.getStringField(8);
        items.push_back(std::move(item));
    }
    return items;
}

Outcome<> deletePlan(CppSQLite3DB& db, int planId)
{
    if (db.execQuery(formatSql("SELECT PrecordID FROM  PantryRecord  WHERE PrecordID = '%d'", planId)).eof()) {
        return refuse(kPlanGoneMessage);
    }
    db.execQuery(formatSql("DELETE  FROM  PantryRecord  WHERE PrecordID = '%d'", planId));
    db.execQuery(formatSql("DELETE  FROM  PantryCook  WHERE PcookPID = '%d'", planId));
    // Every later plan moves down by one with its items. Plan numbers carry no uniqueness
    // constraint, so one statement per table does what a walk in ascending order would do.
    db.execQuery(formatSql("UPDATE PantryRecord SET  PrecordID = PrecordID - 1 WHERE PrecordID > %d", planId));
    db.execQuery(formatSql("UPDATE PantryCook SET  PcookPID = PcookPID - 1 WHERE PcookPID > %d", planId));
    return done();
}

Outcome<> deletePlan(int planId)
{
    return inUnitOfWork(PantryDb, {}, [&](CppSQLite3DB& db) { return deletePlan(db, planId); });
}

int writePlanDay(CppSQLite3DB& db, const PlanDayWrite& write)
{
    const int planId = write.planId >= 0 ? write.planId : nextId(db, "PantryRecord", "PrecordID", 0);
    db.execQuery(formatSql("DELETE  FROM  PantryRecord  WHERE PrecordID = '%d'", planId));
    insertRecord(db, planId, write.record);
    if (write.dayKey == kOneDayKey) {
        db.execQuery(formatSql("DELETE  FROM  PantryCook  WHERE PcookPID = '%d'", planId));
    } else {
        db.execQuery(
            formatSql("DELETE  FROM  PantryCook  WHERE PcookPID = '%d' AND  PcookWeek = '%s'", planId, write.dayKey));
    }
    int rowId = nextId(db, "PantryCook", "PcookID", 0);
    for (const PlanItemRow& item : write.items) {
        db.execQuery(formatSql("INSERT INTO  PantryCook VALUES('%d','%d','%s','%s','%s','%s','%s','%s','%s')", rowId++,
            planId, item.name, item.composition, write.dayKey, item.meal, item.date, item.isDish, item.weight));
    }
    return planId;
}

int savePlanDay(const PlanDayWrite& write)
{
    UnitOfWork work(PantryDb);
    const int planId = writePlanDay(work.db(), write);
    work.commit();
    return planId;
}

} // namespace pelinor
