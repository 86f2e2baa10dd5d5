#include "core/records/Archives.h"

#include "core/common/Clock.h"
#include "core/common/DecimalText.h"
#include "core/db/CppSQLite3DB.h"
#include "core/db/DatabaseCatalog.h"
#include "core/db/DatabaseConnection.h"
#include "core/db/SqlFormat.h"
#include "core/db/UnitOfWork.h"

#include <cmath>

namespace pelinor {

namespace {

std::vector<ArchiveRecord> archivesOf(const std::string& sql)
{
    DatabaseConnection db(RecordDb);
    std::vector<ArchiveRecord> archives;
    for (auto query = db.execQuery(sql); !query.eof(); query.nextRow()) {
        archives.push_back(ArchiveRecord::fromQuery(query));
    }
    return archives;
}

bool isMeasurement(const std::string& text)
{
    const auto value = wholeDecimal(text);
    return value && std::isfinite(*value) && *value > 0.0;
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

Outcome<> saveArchive(ArchiveRecord a)
{
    a.archName = trimmedText(a.archName);
    a.height = trimmedText(a.height);
    a.weight = trimmedText(a.weight);
    if (a.archName.empty()) {
        return refuse("姓名不能为空");
    }
    // A height or weight of 0 would grade the child as severely obese; it is no measurement.
    if (!isMeasurement(a.height)) {
        return refuse("请输入身高！");
    }
    if (!isMeasurement(a.weight)) {
        return refuse("请输入体重");
    }
    a.createdTime = programClock().now().timeStampText();

    UnitOfWork work(RecordDb);
    CppSQLite3DB& db = work.db();
    const bool exists = !db.execQuery(formatSql("SELECT * FROM ArchivesBase WHERE ArchID = '%s'", a.archId)).eof();
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
