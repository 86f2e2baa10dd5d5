#include "core/health/Vaccines.h"

#include "core/common/DecimalText.h"
#include "core/db/CppSQLite3DB.h"
#include "core/db/DatabaseCatalog.h"
#include "core/db/DatabaseConnection.h"
#include "core/db/NextId.h"
#include "core/db/SqlFormat.h"
#include "core/db/UnitOfWork.h"

#include <charconv>

namespace pelinor {

namespace {

Vaccine vaccineFromRow(const CppSQLite3Query& query)
{
    return { query.getIntField(0), query.getStringField(1), query.getStringField(2), query.getStringField(3),
        query.getStringField(4) };
}

// The checks of the vaccine dialogs on a trimmed name; `v.id` is the vaccine's own number (-1 for a
// new one), which may keep its name.
Outcome<> checkVaccine(CppSQLite3DB& db, const Vaccine& v)
{
    if (v.name.empty()) {
        return refuse("疫苗名称不能为空！");
    }
    if (!isMonthText(v.startMonth) || !isMonthText(v.endMonth)) {
        return refuse(kDigitsOnlyMessage, kDigitsOnlyCaption);
    }
    const auto start = monthNumber(v.startMonth);
    const auto end = monthNumber(v.endMonth);
    if ((!v.startMonth.empty() && !start) || (!v.endMonth.empty() && !end)) {
        return refuse("月龄超出范围！");
    }
    if (start && end && *start > *end) {
        return refuse("接种起始时间不能晚于接种终止时间！");
    }
    for (auto query = db.execQuery(formatSql("SELECT * FROM Myym WHERE YmName = '%s'", v.name)); !query.eof();
         query.nextRow()) {
        if (query.getIntField(0) != v.id) {
            return refuse("该信息已经存在，不能重复添加！");
        }
    }
    return done();
}

} // namespace

std::vector<Vaccine> loadVaccines()
{
    DatabaseConnection db(SysManagerDb);
    std::vector<Vaccine> vaccines;
    for (auto query = db.execQuery("SELECT * FROM Myym ORDER BY rowid"); !query.eof(); query.nextRow()) {
        vaccines.push_back(vaccineFromRow(query));
    }
    return vaccines;
}

std::optional<Vaccine> loadVaccine(int id)
{
    DatabaseConnection db(SysManagerDb);
    auto query = db.execQuery(formatSql("SELECT * FROM Myym WHERE ID = '%d' ORDER BY rowid", id));
    if (query.eof()) {
        return std::nullopt;
    }
    return vaccineFromRow(query);
}

bool isMonthText(std::string_view text)
{
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

std::optional<int> monthNumber(const std::string& text)
{
    int value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

Outcome<int> addVaccine(const Vaccine& vaccine)
{
    UnitOfWork work(SysManagerDb);
    CppSQLite3DB& db = work.db();
    Vaccine v = vaccine;
    v.id = -1;
    v.name = trimmedText(v.name);
    if (auto checked = checkVaccine(db, v); !checked) {
        return checked.refusal();
    }
    v.id = nextId(db, "Myym", "ID", 1);
    db.execQuery(formatSql(
        "INSERT INTO  Myym VALUES('%d','%s','%s','%s','%s')", v.id, v.name, v.startMonth, v.endMonth, v.diseases));
    work.commit();
    return v.id;
}

Outcome<> updateVaccine(const Vaccine& vaccine)
{
    Vaccine v = vaccine;
    v.name = trimmedText(v.name);
    UnitOfWork work(SysManagerDb);
    CppSQLite3DB& db = work.db();
    auto stored = db.execQuery(formatSql("SELECT * FROM Myym WHERE ID = '%d' ORDER BY rowid", v.id));
    if (stored.eof()) {
        return refuse("该疫苗已不存在！");
    }
    const std::string oldName = stored.getStringField(1);
    stored.finalize();
    if (auto checked = checkVaccine(db, v); !checked) {
        return checked.refusal();
    }
    db.execQuery(formatSql("UPDATE Myym SET YmName = '%s',StartTime = '%s',EndTime = '%s',ZuoYong = '%s' WHERE ID = %d",
        v.name, v.startMonth, v.endMonth, v.diseases, v.id));
    if (oldName != v.name) {
        db.execQuery(formatSql("UPDATE YmCheckIn SET YmName = '%s' WHERE YmName = '%s'", v.name, oldName));
    }
    work.commit();
    return done();
}

void deleteVaccine(int id)
{
    DatabaseConnection db(SysManagerDb);
    db.execQuery(formatSql("DELETE  FROM Myym WHERE ID = '%d'", id));
}

} // namespace pelinor
