#include "core/health/Attendance.h"

#include "core/common/CalendarDate.h"
#include "core/db/CppSQLite3DB.h"
#include "core/db/DatabaseCatalog.h"
#include "core/db/DatabaseConnection.h"
#include "core/db/NextId.h"
#include "core/db/SqlFormat.h"
#include "core/db/UnitOfWork.h"
#include "core/health/HealthChildren.h"

namespace pelinor {

namespace {

std::string childEventsSql(const std::string& className, const std::string& archId, const DateScope& scope)
{
    if (scope) {
        return formatSql("SELECT * FROM KaoQin WHERE  Class = '%s' AND ArchID = '%s'AND (Time BETWEEN '%s' AND '%s')",
            className, archId, scope->from, scope->to);
    }
    return formatSql("SELECT * FROM KaoQin WHERE  Class = '%s' AND ArchID = '%s'", className, archId);
}

} // namespace

int attendanceKindIndex(std::string_view kind)
{
    for (int i = 0; i < kAttendanceKindCount; ++i) {
        if (kAttendanceKinds[i] == kind) {
            return i;
        }
    }
    return -1;
}

Outcome<int> registerAttendance(const AttendanceEntry& entry)
{
    if (entry.className.empty()) {
        return refuse("请选择班级！");
    }
    if (entry.archId.empty()) {
        return refuse("请选择对象！");
    }
    if (attendanceKindIndex(entry.kind) < 0) {
        return refuse("请选择考勤事项！");
    }
    if (!parseCalendarDate(entry.date)) {
        return refuse("请选择正确的日期！");
    }
    UnitOfWork work(RecordDb);
    CppSQLite3DB& db = work.db();
    if (!db.execQuery(formatSql("SELECT * FROM   KaoQin WHERE Class = '%s'AND Name = '%s'AND KaoQin = '%s' AND Time = "
                                "'%s'AND ArchID = '%s'",
                          entry.className, entry.name, entry.kind, entry.date, entry.archId))
             .eof()) {
        return refuse("该信息已经存在！");
    }
    const int id = nextId(db, "KaoQin", "ID", 1);
    db.execQuery(formatSql("INSERT INTO  KaoQin VALUES('%d','%s','%s','%s','%s','%s','%s')", id, entry.className,
        entry.name, entry.kind, entry.date, entry.remark, entry.archId));
    work.commit();
    return id;
}

std::vector<AttendanceCount> attendanceStatistics(const std::string& className, const DateScope& scope)
{
    const std::vector<HealthChild> children = childrenInClass(className);
    DatabaseConnection db(RecordDb);
    std::vector<AttendanceCount> rows;
    for (const auto& child : children) {
        AttendanceCount row { child.archId, child.name, {} };
        bool counted = false;
        for (auto query = db.execQuery(childEventsSql(className, child.archId, scope)); !query.eof(); query.nextRow()) {
            const int kind = attendanceKindIndex(query.getStringField(3));
            if (kind >= 0) {
                ++row.counts[kind];
                counted = true;
            }
        }
        if (counted) {
            rows.push_back(std::move(row));
        }
    }
    return rows;
}

std::vector<AttendanceEvent> attendanceEvents(
    const std::string& className, const std::string& archId, const DateScope& scope)
{
    DatabaseConnection db(RecordDb);
    std::vector<AttendanceEvent> events;
    for (auto query = db.execQuery(childEventsSql(className, archId, scope) + " ORDER BY Time, ID"); !query.eof();
         query.nextRow()) {
        events.push_back(
            { query.getIntField(0), query.getStringField(4), query.getStringField(3), query.getStringField(5) });
    }
    return events;
}

void deleteAttendanceEvent(int id)
{
    UnitOfWork work(RecordDb);
    CppSQLite3DB& db = work.db();
    auto query = db.execQuery(formatSql("SELECT * FROM KaoQin WHERE ID = '%d' ORDER BY rowid", id));
    if (query.eof()) {
        return;
    }
    const std::string className = query.getStringField(1);
    const std::string kind = query.getStringField(3);
    const std::string date = query.getStringField(4);
    const std::string archId = query.getStringField(6);
    query.finalize();
    db.execQuery(formatSql("DELETE FROM KaoQin WHERE ID = '%d'", id));
    // Copies of the event: one event per child, day and kind is the rule, so they go with it. A row
    // without an archive number is only ever singled out by its own number.
    if (!archId.empty()) {
        db.execQuery(
            formatSql("DELETE FROM  KaoQin WHERE  Class = '%s' AND ArchID = '%s' AND Time = '%s' AND KaoQin = '%s'",
                className, archId, date, kind));
    }
    work.commit();
}

} // namespace pelinor
