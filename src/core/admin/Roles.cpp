#include "core/admin/Roles.h"

#include "core/common/DecimalText.h"
#include "core/db/CppSQLite3DB.h"
#include "core/db/DatabaseCatalog.h"
#include "core/db/DatabaseConnection.h"
#include "core/db/NextId.h"
#include "core/db/SqlFormat.h"
#include "core/db/UnitOfWork.h"

#include <optional>

namespace pelinor {

namespace {

std::optional<std::string> roleName(CppSQLite3DB& db, int roleId)
{
    auto query = db.execQuery(formatSql("SELECT * FROM ManageRolse WHERE RolseID = '%d'", roleId));
    if (query.eof()) {
        return std::nullopt;
    }
    return query.getStringField(1);
}

// Another role of that name, ignoring the role `exceptId` (the one being renamed).
bool nameTaken(CppSQLite3DB& db, const std::string& name, int exceptId)
{
    return !db.execQuery(
                  formatSql("SELECT * FROM ManageRolse WHERE RolseName = '%s' AND RolseID <> '%d'", name, exceptId))
                .eof();
}

bool isBuiltIn(const std::string& name)
{
    return name == Accounts::kBuiltInRole;
}

} // namespace

std::vector<RoleEntry> Roles::list()
{
    DatabaseConnection db(SysManagerDb);
    std::vector<RoleEntry> roles;
    for (auto query = db.execQuery("SELECT * FROM ManageRolse  ORDER BY RolseID  ASC"); !query.eof(); query.nextRow()) {
        roles.push_back({ query.getIntField(0), query.getStringField(1) });
    }
    return roles;
}

PermissionFlags Roles::permissionsOf(int roleId)
{
    DatabaseConnection db(SysManagerDb);
    auto query = db.execQuery(formatSql("SELECT * FROM ManageRolse WHERE RolseID = '%d'", roleId));
    return query.eof() ? PermissionFlags() : PermissionFlags::fromString(query.getStringField(2));
}

Outcome<> Roles::savePermissions(int roleId, const PermissionFlags& flags)
{
    UnitOfWork work(SysManagerDb);
    const auto name = roleName(work.db(), roleId);
    if (!name) {
        return refuse(kRoleGone);
    }
    if (isBuiltIn(*name) && !flags.has(kRolePermission)) {
        return refuse(kBuiltInKeepsRoles);
    }
    work.db().execQuery(formatSql(
        "UPDATE ManageRolse SET  RolseContain = '%s' WHERE RolseID = '%d'", flags.toPermissionString(), roleId));
    work.commit();
    return done();
}

Outcome<int> Roles::add(const std::string& name)
{
    const std::string trimmed = trimmedText(name);
    if (trimmed.empty()) {
        return refuse(kEmptyName);
    }
    UnitOfWork work(SysManagerDb);
    if (nameTaken(work.db(), trimmed, -1)) {
        return refuse(kNameTaken);
    }
    // Numbers run from 0, the built-in role's.
    const int id = nextId(work.db(), "ManageRolse", "RolseID", 0);
    work.db().execQuery(formatSql("INSERT INTO ManageRolse(RolseID,RolseName) VALUES('%d','%s')", id, trimmed));
    work.commit();
    return id;
}

Outcome<> Roles::rename(int roleId, const std::string& name)
{
    const std::string trimmed = trimmedText(name);
    if (trimmed.empty()) {
        return refuse(kEmptyName);
    }
    UnitOfWork work(SysManagerDb);
    const auto old = roleName(work.db(), roleId);
    if (!old) {
        return refuse(kRoleGone);
    }
    if (isBuiltIn(*old) && trimmed != *old) {
        return refuse(kBuiltInRename);
    }
    if (nameTaken(work.db(), trimmed, roleId)) {
        return refuse(kNameTaken);
    }
    work.db().execQuery(formatSql("UPDATE  ManageRolse SET RolseName = '%s' WHERE RolseID = '%d'", trimmed, roleId));
    // Accounts name their role: they follow it, so nobody loses permissions by a rename.
    work.db().execQuery(formatSql("UPDATE Management SET ManageRolse = '%s' WHERE ManageRolse = '%s'", trimmed, *old));
    work.commit();
    return done();
}

Outcome<> Roles::remove(int roleId)
{
    UnitOfWork work(SysManagerDb);
    const auto name = roleName(work.db(), roleId);
    if (!name) {
        return refuse(kRoleGone);
    }
    if (isBuiltIn(*name)) {
        return refuse(kBuiltInDelete);
    }
    if (!work.db().execQuery(formatSql("SELECT * FROM Management WHERE ManageRolse = '%s'", *name)).eof()) {
        return refuse(kInUse);
    }
    work.db().execQuery(formatSql("DELETE  FROM ManageRolse WHERE RolseID = '%d'", roleId));
    work.commit();
    return done();
}

} // namespace pelinor
