#include "core/records/Archives.h"

#include "core/common/Clock.h"
#include "core/common/DecimalText.h"
#include "core/db/CppSQLite3DB.h"
#include "core/db/DatabaseCatalog.h"
#include "core/db/DatabaseConnection.h"
#include "core/db/SqlFormat.h"
#include "core/db/UnitOfWork.h"
#include "core/records/ArchiveNumbers.h"

#include <cmath>

namespace pelinor {

namespace {

constexpr const char* kArchiveNumberTaken = "该档案编号已被其他幼儿使用，档案未保存。请取消后重新新建！";

std::vector<ArchiveRecord> archivesOf(const std::string& sql)
{
    DatabaseConnection db(RecordDb);
    std::vector<ArchiveRecord> archives;
    for (auto query = db.execQuery(sql); !query.eof(); query.nextRow()) {
        archives.push_back(ArchiveRecord::fromQuery(query));
    }
    return archives;
}

// A measurement as typed: the number it holds, if the whole text is one.
std::optional<double> measurement(const std::string& text)
{
    const auto value = wholeDecimal(text);
    if (!value || !std::isfinite(*value)) {
        return std::nullopt;
    }
    return value;
}

bool withinRange(double value, double lowest, double highest)
{
    return value >= lowest && value <= highest;
}

} // namespace

std::vector<ArchiveRecord> loadArchives()
{
    return archivesOf("SELECT * FROM ArchivesBase");
}

std::vector<ArchiveRecord> searchArchives(const std::string& typedArchId, const std::string& typedName)
{
    const std::string archId = trimmedText(typedArchId);
    const std::string name = trimmedText(typedName);
    if (archId.empty() && name.empty()) {
        return loadArchives();
    }
    if (name.empty()) {
        return archivesOf(formatSql("SELECT * FROM ArchivesBase where ArchID = '%s'", archId));
    }
    if (archId.empty()) {
        return archivesOf(formatSql("SELECT * FROM ArchivesBase where ArchName = '%s'", name));
    }
    return archivesOf(formatSql("SELECT * FROM ArchivesBase where ArchName = '%s'and ArchID = '%s'", name, archId));
}

std::optional<ArchiveRecord> loadArchive(const std::string& archId)
{
    auto found = archivesOf(formatSql("SELECT * FROM ArchivesBase WHERE ArchID = '%s'", archId));
    if (found.empty()) {
        return std::nullopt;
    }
    return std::move(found.front());
}

std::vector<ArchiveRecord> archivesOfClass(const std::string& className)
{
    return archivesOf(formatSql("SELECT * FROM ArchivesBase WHERE Class = '%s'", className));
}

Outcome<> saveArchive(ArchiveRecord a, ArchiveSave kind)
{
    a.archName = trimmedText(a.archName);
    a.height = trimmedText(a.height);
    a.weight = trimmedText(a.weight);
    if (a.archName.empty()) {
        return refuse("姓名不能为空");
    }
    // A height or weight of 0 would grade the child as severely obese; it is no measurement.
    const auto height = measurement(a.height);
    if (!height || *height <= 0.0) {
        return refuse("请输入身高！");
    }
    // A slip of the finger (0.01 cm, 1e308) would make every growth figure of the child absurd.
    if (!withinRange(*height, kLowestHeightCm, kHighestHeightCm)) {
        return refuse("身高应在40～200厘米之间，请检查后重新输入！");
    }
    const auto weight = measurement(a.weight);
    if (!weight || *weight <= 0.0) {
        return refuse("请输入体重");
    }
    if (!withinRange(*weight, kLowestWeightKg, kHighestWeightKg)) {
        return refuse("体重应在2～100千克之间，请检查后重新输入！");
    }
    if (kind == ArchiveSave::New && a.archId.empty()) {
        return refuse(kArchiveNumbersUsedUp);
    }
    a.createdTime = programClock().now().timeStampText();

    UnitOfWork work(RecordDb);
    CppSQLite3DB& db = work.db();
    const bool exists = !db.execQuery(formatSql("SELECT * FROM ArchivesBase WHERE ArchID = '%s'", a.archId)).eof();
    // The number of a new archive may have been taken since the form was cleared (another window,
    // another program): a new child never overwrites one that is there.
    if (exists && kind == ArchiveSave::New) {
        return refuse(kArchiveNumberTaken);
    }
    if (!exists) {
        db.execQuery(formatSql("INSERT INTO ArchivesBase VALUES('%s','%s','%s','%s','%s','%s','%s','%s','%s','%s','%s',"
                               "'%s','%s','%s','%s','%s','%s','%s','%s','%s','%s','%s','%s')",
            a.archId, a.archName, a.gender, a.nation, a.height, a.weight, a.birth, a.schoolName, a.inTime, a.className,
            a.studentId, a.hjCla, a.address, a.guardianName, a.guardianTel, a.guardianRelation, a.aboBlood, a.rhBlood,
            a.allergy, a.ill, a.disable, a.createdTime, a.lcbx));
    } else {
        db.execQuery(formatSql(
            "UPDATE ArchivesBase SET ArchName = '%s',Gender = '%s',Nation = '%s',Height = '%s',Weight = '%s',Birth = "
            "'%s',SchoolName = '%s',InTime = '%s',Class = '%s',StudentID = '%s',HJCla = '%s',Adress = '%s',JHName = "
            "'%s',JHTel = '%s',JHShip = '%s',ABOBlood = '%s',RHBlood = '%s',Allergy = '%s',Ill = '%s',Disable = "
            "'%s',CreatTime = '%s',LCBX = '%s' WHERE ArchID = '%s'",
            a.archName, a.gender, a.nation, a.height, a.weight, a.birth, a.schoolName, a.inTime, a.className,
            a.studentId, a.hjCla, a.address, a.guardianName, a.guardianTel, a.guardianRelation, a.aboBlood, a.rhBlood,
            a.allergy, a.ill, a.disable, a.createdTime, a.lcbx, a.archId));
    }
    work.commit();
    return done();
}

void deleteArchive(const std::string& archId)
{
    // The child's plans (pantry), examinations and vaccinations (sysmanager), attendance and the
    // archive itself go together or not at all.
    UnitOfWork work(RecordDb, { PantryDb, SysManagerDb });
    CppSQLite3DB& db = work.db();
    const std::string pantry = UnitOfWork::schemaName(PantryDb);
    const std::string sysmanager = UnitOfWork::schemaName(SysManagerDb);
    // Group plans and stray rows carry an empty archive number: an archive without one (a damaged
    // row) takes nothing else with it.
    if (!archId.empty()) {
        std::vector<int> plans;
        for (auto query
             = db.execQuery(formatSql("SELECT * FROM " + pantry + ".PantryRecord WHERE subJectID = '%s'", archId));
             !query.eof(); query.nextRow()) {
            plans.push_back(query.getIntField(0));
        }
        for (const int plan : plans) {
            db.execQuery(formatSql("DELETE  FROM " + pantry + ".PantryCook WHERE PcookPID = '%d'", plan));
        }
        db.execQuery(formatSql("DELETE  FROM " + pantry + ".PantryRecord WHERE subJectID = '%s'", archId));
        db.execQuery(formatSql("DELETE  FROM " + sysmanager + ".KqCheckIn WHERE StudentID = '%s'", archId));
        db.execQuery(formatSql("DELETE  FROM " + sysmanager + ".YmCheckIn WHERE ArchID = '%s'", archId));
        db.execQuery(formatSql("DELETE  FROM main.KaoQin WHERE ArchID = '%s'", archId));
    }
    db.execQuery(formatSql("DELETE  FROM main.ArchivesBase WHERE ArchID = '%s'", archId));
    work.commit();
}

} // namespace pelinor
