#include "core/health/Examinations.h"

#include "core/common/CalendarDate.h"
#include "core/common/Clock.h"
#include "core/common/DecimalText.h"
#include "core/common/NumberFormat.h"
#include "core/db/CppSQLite3DB.h"
#include "core/db/DatabaseCatalog.h"
#include "core/db/DatabaseConnection.h"
#include "core/db/NextId.h"
#include "core/db/SqlFormat.h"
#include "core/db/UnitOfWork.h"
#include "core/health/HealthChildren.h"
#include "core/records/Archives.h"

namespace pelinor {

namespace {

Examination examinationFromRow(const CppSQLite3Query& query)
{
    Examination e;
    e.id = query.getIntField(0);
    e.name = query.getStringField(1);
    e.className = query.getStringField(2);
    e.gender = query.getStringField(3);
    e.archId = query.getStringField(4);
    e.height = static_cast<float>(query.getFloatField(5));
    e.weight = static_cast<float>(query.getFloatField(6));
    e.bmi = static_cast<float>(query.getFloatField(7));
    for (const auto& field : kExaminationTextFields) {
        e.*field.member = query.getStringField(field.column);
    }
    e.date = query.getStringField(38);
    e.doctor = query.getStringField(39);
    return e;
}

// The stored row. The measurements are written as "%.1f" and "%.3f" texts of the form's values,
// through the one number formatter, so the stored digits never depend on the locale.
void insertExamination(CppSQLite3DB& db, const Examination& e)
{
    std::vector<SqlArg> values { e.id, e.name, e.className, e.gender, e.archId, formatFixed(e.height, 1),
        formatFixed(e.weight, 1), formatFixed(e.bmi, 3) };
    for (const auto& field : kExaminationTextFields) {
        values.emplace_back(e.*field.member);
    }
    values.emplace_back(e.date);
    values.emplace_back(e.doctor);
    std::string format = "INSERT INTO KqCheckIn VALUES('%d'";
    for (std::size_t i = 1; i < values.size(); ++i) {
        format += ",'%s'";
    }
    format += ")";
    db.execQuery(formatSqlArgs(format, values));
}

} // namespace

std::optional<float> bodyMassIndex(float heightCm, float weightKg)
{
    if (!(heightCm > 0.0f) || !(weightKg > 0.0f)) {
        return std::nullopt;
    }
    const float metres = heightCm * 0.01f;
    const float bmi = weightKg / (metres * metres);
    // Kept as the three decimals the form shows and the file stores.
    return static_cast<float>(leadingDecimal(formatFixed(bmi, 3)));
}

std::vector<ExaminationRow> listExaminations(const std::string& className, const DateScope& scope)
{
    const std::vector<HealthChild> children = childrenInClass(className);
    DatabaseConnection db(SysManagerDb);
    std::vector<ExaminationRow> rows;
    for (const auto& child : children) {
        std::string sql = scope
            ? formatSql("SELECT * FROM KqCheckIn  WHERE  StudentID = '%s' AND Class = '%s' AND TiJianDate BETWEEN "
                        "'%s'AND '%s'",
                child.archId, className, scope->from, scope->to)
            : formatSql("SELECT * FROM KqCheckIn  WHERE  StudentID = '%s' AND Class = '%s'", child.archId, className);
        sql += " ORDER BY TiJianDate, ID";
        for (auto query = db.execQuery(sql); !query.eof(); query.nextRow()) {
            rows.push_back({ query.getIntField(0), child.archId, child.name, query.getStringField(38),
                formatFixed(query.getFloatField(5), 1), formatFixed(query.getFloatField(6), 1), query.getStringField(3),
                query.getStringField(17), query.getStringField(18), query.getStringField(19) });
        }
    }
    return rows;
}

std::optional<Examination> newExamination(const std::string& archId)
{
    const auto child = findChild(archId);
    if (!child) {
        return std::nullopt;
    }
    Examination e;
    e.name = child->name;
    e.className = child->className;
    e.gender = child->gender;
    e.archId = child->archId;
    e.date = programClock().today().dateText();
    return e;
}

std::optional<Examination> loadExamination(int id)
{
    DatabaseConnection db(SysManagerDb);
    auto query = db.execQuery(formatSql("SELECT * FROM KqCheckIn WHERE ID = '%d' ORDER BY rowid", id));
    if (query.eof()) {
        return std::nullopt;
    }
    return examinationFromRow(query);
}

Outcome<int> saveExamination(const Examination& form)
{
    if (!(form.weight > 0.0f)) {
        return refuse("体重不能为空！");
    }
    if (!(form.height > 0.0f)) {
        return refuse("身高不能为空！");
    }
    // The plausible range of a child's archive holds for its examinations too: 0.01 cm is a slip of
    // the finger, and its BMI would be absurd.
    if (form.weight < kLowestWeightKg || form.weight > kHighestWeightKg) {
        return refuse("体重应在2～100千克之间，请检查后重新输入！");
    }
    if (form.height < kLowestHeightCm || form.height > kHighestHeightCm) {
        return refuse("身高应在40～200厘米之间，请检查后重新输入！");
    }
    if (trimmedText(form.doctor).empty()) {
        return refuse("登记必须要有主检医生签名！");
    }
    Examination e = form;
    e.bmi = bodyMassIndex(e.height, e.weight).value_or(0.0f);

    UnitOfWork work(SysManagerDb);
    CppSQLite3DB& db = work.db();
    if (e.id != -1) {
        db.execQuery(formatSql("DELETE FROM KqCheckIn WHERE ID = '%d'", e.id));
    } else {
        e.id = nextId(db, "KqCheckIn", "ID", 1);
        if (!db.execQuery(formatSql("SELECT * FROM  KqCheckIn WHERE  Class = '%s'AND StudentID = '%s'AND TiJianDate "
                                    "= '%s'",
                              e.className, e.archId, e.date))
                 .eof()) {
            return refuse("该信息已经存在，不能重复添加！");
        }
    }
    insertExamination(db, e);
    work.commit();
    return e.id;
}

void deleteExamination(int id)
{
    DatabaseConnection db(SysManagerDb);
    db.execQuery(formatSql("DELETE FROM KqCheckIn WHERE ID = '%d'", id));
}

} // namespace pelinor
