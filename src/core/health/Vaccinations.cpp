#include "core/health/Vaccinations.h"

#include "core/common/CalendarDate.h"
#include "core/common/DecimalText.h"
#include "core/db/CppSQLite3DB.h"
#include "core/db/DatabaseCatalog.h"
#include "core/db/DatabaseConnection.h"
#include "core/db/NextId.h"
#include "core/db/SqlFormat.h"
#include "core/db/UnitOfWork.h"
#include "core/health/HealthChildren.h"

#include <map>

namespace pelinor {

namespace {

Vaccination vaccinationFromRow(const CppSQLite3Query& query)
{
    Vaccination v;
    v.id = query.getIntField(0);
    v.className = query.getStringField(1);
    v.name = query.getStringField(2);
    v.vaccine = query.getStringField(3);
    v.date = query.getStringField(4);
    v.remark = query.getStringField(5);
    v.archId = query.getStringField(6);
    v.place = query.getStringField(7);
    return v;
}

Outcome<> checkVaccination(CppSQLite3DB& db, const Vaccination& v)
{
    if (trimmedText(v.place).empty()) {
        return refuse("请填写接种地点！");
    }
    if (v.className.empty()) {
        return refuse("请选择班级！");
    }
    if (v.archId.empty()) {
        return refuse("请选择对象！");
    }
    if (v.vaccine.empty()) {
        return refuse("请选择疫苗！");
    }
    if (!parseCalendarDate(v.date)) {
        return refuse("请选择正确的日期！");
    }
    for (auto query = db.execQuery(formatSql("SELECT * FROM  YmCheckIn WHERE  Class = '%s'AND YmName = '%s'AND JzDate "
                                             "= '%s' AND ArchID = '%s'",
             v.className, v.vaccine, v.date, v.archId));
         !query.eof(); query.nextRow()) {
        if (query.getIntField(0) != v.id) {
            return refuse("该信息已经存在，不能重复添加！");
        }
    }
    return done();
}

} // namespace

Outcome<int> registerVaccination(const Vaccination& vaccination)
{
    UnitOfWork work(SysManagerDb);
    CppSQLite3DB& db = work.db();
    Vaccination v = vaccination;
    v.id = -1;
    if (auto checked = checkVaccination(db, v); !checked) {
        return checked.refusal();
    }
    v.id = nextId(db, "YmCheckIn", "ID", 1);
    db.execQuery(formatSql("INSERT INTO  YmCheckIn VALUES('%d','%s','%s','%s','%s','%s','%s','%s')", v.id, v.className,
        v.name, v.vaccine, v.date, v.remark, v.archId, v.place));
    work.commit();
    return v.id;
}

Outcome<> updateVaccination(const Vaccination& vaccination)
{
    UnitOfWork work(SysManagerDb);
    CppSQLite3DB& db = work.db();
    auto stored = db.execQuery(formatSql("SELECT * FROM YmCheckIn WHERE ID = '%d' ORDER BY rowid", vaccination.id));
    if (stored.eof()) {
        return refuse("该接种记录已不存在！");
    }
    Vaccination v = vaccinationFromRow(stored);
    stored.finalize();
    v.vaccine = vaccination.vaccine;
    v.date = vaccination.date;
    v.remark = vaccination.remark;
    v.place = vaccination.place;
    if (auto checked = checkVaccination(db, v); !checked) {
        return checked.refusal();
    }
    db.execQuery(formatSql("UPDATE YmCheckIn SET YmName = '%s',JzDate = '%s',Baizhu= '%s',JzAddress= '%s' WHERE ID = "
                           "'%d'",
        v.vaccine, v.date, v.remark, v.place, v.id));
    work.commit();
    return done();
}

std::optional<Vaccination> loadVaccination(int id)
{
    DatabaseConnection db(SysManagerDb);
    auto query = db.execQuery(formatSql("SELECT * FROM YmCheckIn WHERE ID = '%d' ORDER BY rowid", id));
    if (query.eof()) {
        return std::nullopt;
    }
    return vaccinationFromRow(query);
}

void deleteVaccination(int id)
{
    DatabaseConnection db(SysManagerDb);
    db.execQuery(formatSql("DELETE FROM YmCheckIn WHERE ID = '%d'", id));
}

std::vector<VaccinationRow> listVaccinations(
    const std::string& className, const std::string& vaccine, const DateScope& scope)
{
    std::vector<Vaccination> found;
    {
        DatabaseConnection db(SysManagerDb);
        const std::string sql = scope
            ? formatSql("SELECT * FROM YmCheckIn  WHERE Class = '%s'AND YmName = '%s' and JzDate BETWEEN '%s' AND "
                        "'%s'order by ID desc",
                className, vaccine, scope->from, scope->to)
            : formatSql(
                "SELECT * FROM YmCheckIn  WHERE Class = '%s'AND YmName = '%s'order by ID desc", className, vaccine);
        for (auto query = db.execQuery(sql); !query.eof(); query.nextRow()) {
            found.push_back(vaccinationFromRow(query));
        }
    }
    DatabaseConnection record(RecordDb);
    std::map<std::string, std::optional<HealthChild>> children;
    std::vector<VaccinationRow> rows;
    for (const auto& v : found) {
        auto known = children.find(v.archId);
        if (known == children.end()) {
            known = children.emplace(v.archId, findChild(record, v.archId)).first;
        }
        VaccinationRow row;
        row.id = v.id;
        if (known->second) {
            row.archId = known->second->archId;
            row.name = known->second->name;
            row.gender = known->second->gender;
            row.className = known->second->className;
        }
        row.vaccine = v.vaccine;
        row.date = v.date;
        row.place = v.place;
        row.remark = v.remark;
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace pelinor
