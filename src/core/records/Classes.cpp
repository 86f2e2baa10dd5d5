#include "core/records/Classes.h"

#include "core/common/DecimalText.h"
#include "core/common/ItemList.h"
#include "core/common/NameText.h"
#include "core/db/CppSQLite3DB.h"
#include "core/db/DatabaseCatalog.h"
#include "core/db/DatabaseConnection.h"
#include "core/db/NextId.h"
#include "core/db/SqlFormat.h"
#include "core/db/UnitOfWork.h"
#include "core/records/ArchiveNumbers.h"

#include <algorithm>

namespace pelinor {

namespace {

Outcome<> checkNewName(CppSQLite3DB& db, const std::string& name)
{
    if (name.empty()) {
        return refuse("请填写班级名称");
    }
    if (name.find(kItemSeparator) != std::string::npos) {
        return refuse("班级名称不能含有“；”");
    }
    if (!db.execQuery(formatSql("SELECT * FROM  ClassInfo WHERE  ClassName = '%s'", name)).eof()) {
        return refuse("该名称已经存在，请重新输入！");
    }
    return done();
}

// The class name inside every "；" list of `table`.`column` whose rows pass `filter`, rewritten row
// by row. `key` singles a row out together with its old list text.
void renameListItems(CppSQLite3DB& db,
    const std::string& table,
    const std::string& key,
    const std::string& column,
    const std::string& filter,
    const std::string& oldName,
    const std::string& newName)
{
    struct Change
    {
        long long key;
        std::string before;
        std::string after;
    };
    std::vector<Change> changes;
    auto query = db.execQuery("SELECT " + key + ", " + column + " FROM " + table + filter);
    for (; !query.eof(); query.nextRow()) {
        std::string list = query.getStringField(1);
        if (containsItem(list, oldName)) {
            changes.push_back({ query.getInt64Field(0), list, replaceItem(list, oldName, newName) });
        }
    }
    query.finalize();
    for (const auto& change : changes) {
        db.execQuery(formatSql(
            "UPDATE " + table + " SET " + column + " = '%s' WHERE " + key + " = '%lld' AND " + column + " = '%s'",
            change.after, change.key, change.before));
    }
}

} // namespace

std::vector<ClassRow> loadClasses()
{
    DatabaseConnection db(RecordDb);
    std::vector<ClassRow> classes;
    for (auto query = db.execQuery("SELECT * FROM ClassInfo"); !query.eof(); query.nextRow()) {
        classes.push_back({ query.getIntField(0), query.getStringField(1) });
    }
    return classes;
}

std::vector<std::string> loadClassNames()
{
    std::vector<std::string> names;
    for (auto& row : loadClasses()) {
        names.push_back(std::move(row.name));
    }
    return names;
}

int findClassId(const std::string& name)
{
    DatabaseConnection db(RecordDb);
    auto query = db.execQuery(formatSql("SELECT * FROM ClassInfo WHERE ClassName = '%s'", name));
    return query.eof() ? -1 : query.getIntField(0);
}

bool isProtectedClass(const std::string& name)
{
    return name == "小班" || name == "中班" || name == "大班";
}

Outcome<> addClass(const std::string& typedName)
{
    const std::string name = cleanName(typedName);
    UnitOfWork work(RecordDb);
    if (auto refusal = checkNewName(work.db(), name); !refusal.ok()) {
        return refusal;
    }
    const int id = nextId(work.db(), "ClassInfo", "ID", 0);
    work.db().execQuery(formatSql("INSERT INTO ClassInfo VALUES('%d','%s')", id, name));
    work.commit();
    return done();
}

Outcome<> renameClass(const std::string& oldName, const std::string& typedName)
{
    const std::string newName = cleanName(typedName);
    // The other files join this connection so that the class and every record naming it change
    // together or not at all.
    UnitOfWork work(RecordDb, { SysManagerDb, PantryDb, PackageDb });
    CppSQLite3DB& db = work.db();
    auto found = db.execQuery(formatSql("SELECT * FROM ClassInfo WHERE ClassName = '%s'", oldName));
    if (found.eof()) {
        return refuse("请选择修改班级！");
    }
    const int id = found.getIntField(0);
    found.finalize();
    if (auto refusal = checkNewName(db, newName); !refusal.ok()) {
        return refusal;
    }
    const std::string sysmanager = UnitOfWork::schemaName(SysManagerDb);
    db.execQuery(formatSql("UPDATE ClassInfo SET ClassName = '%s' WHERE ID = '%d'", newName, id));
    db.execQuery(formatSql("UPDATE main.ArchivesBase SET Class = '%s' WHERE Class = '%s'", newName, oldName));
    db.execQuery(formatSql("UPDATE main.KaoQin SET Class = '%s' WHERE Class = '%s'", newName, oldName));
    db.execQuery(
        formatSql("UPDATE " + sysmanager + ".KqCheckIn SET Class = '%s' WHERE Class = '%s'", newName, oldName));
    db.execQuery(
        formatSql("UPDATE " + sysmanager + ".YmCheckIn SET Class = '%s' WHERE Class = '%s'", newName, oldName));
    // A personal plan's subject is a child's name, never a list of classes.
    renameListItems(db, UnitOfWork::schemaName(PantryDb) + ".PantryRecord", "PrecordID", "PrecordSujects",
        " WHERE PrecordKind <> '个人'", oldName, newName);
    renameListItems(
        db, UnitOfWork::schemaName(PackageDb) + ".PackageName", "ID", "PackageObject", "", oldName, newName);
    work.commit();
    return done();
}

Outcome<> deleteClass(const std::string& name)
{
    if (isProtectedClass(name)) {
        return refuse("不能删除小班、中班和大班！");
    }
    UnitOfWork work(RecordDb);
    if (!work.db().execQuery(formatSql("SELECT * FROM ArchivesBase WHERE Class = '%s'", name)).eof()) {
        return refuse("该班内还有学生，无法删除！");
    }
    work.db().execQuery(formatSql("DELETE  FROM ClassInfo WHERE ClassName = '%s'", name));
    work.commit();
    return done();
}

std::vector<ChildRef> childrenOfClass(const std::string& className)
{
    DatabaseConnection db(RecordDb);
    std::vector<ChildRef> children;
    for (auto query = db.execQuery(formatSql("SELECT *  FROM ArchivesBase WHERE Class = '%s'", className));
         !query.eof(); query.nextRow()) {
        children.push_back({ query.getStringField(0), query.getStringField(1) });
    }
    return children;
}

Outcome<> moveChildren(
    const std::string& sourceClass, const std::string& targetClass, const std::vector<std::string>& archIds)
{
    if (targetClass.empty()) {
        return refuse("请选择目标班级");
    }
    if (targetClass == sourceClass) {
        return refuse("目标班级与调整班级不能相同");
    }
    UnitOfWork work(RecordDb);
    CppSQLite3DB& db = work.db();
    const int position = classPosition(db, targetClass);
    if (position < 0) {
        return refuse("请选择目标班级");
    }
    const std::string code = classCode(position);

    for (const auto& archId : archIds) {
        // A child already in the target class (picked twice, or from an earlier class choice) keeps its number.
        auto current = db.execQuery(formatSql("SELECT * FROM ArchivesBase WHERE ArchID = '%s'", archId));
        if (current.eof() || current.getStringField(9) == targetClass) {
            continue;
        }
        current.finalize();
        // The next sequence number follows the class's size, and never falls back onto a number a
        // child of the class already holds (a class that lost a child in the middle).
        int count = 0;
        int highest = 0;
        for (auto query = db.execQuery(formatSql("SELECT * FROM ArchivesBase WHERE Class = '%s'", targetClass));
             !query.eof(); query.nextRow()) {
            ++count;
            highest = std::max(highest, studentSequence(query.getStringField(10)));
        }
        const std::string studentId = code + sequenceText(std::max(count, highest) + 1);
        db.execQuery(formatSql("UPDATE ArchivesBase SET Class = '%s',StudentID = '%s' WHERE ArchID = '%s'", targetClass,
            studentId, archId));
    }
    work.commit();
    return done();
}

} // namespace pelinor
