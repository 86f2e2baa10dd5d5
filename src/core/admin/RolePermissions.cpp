#include "admin/RolePermissions.h"

#include "db/CppSQLite3DB.h"
#include "db/DatabaseCatalog.h"
#include "db/SqlFormat.h"

namespace pelinor {

std::string RolePermissions::permissionStringOf(const std::string& roleName)
{
    CppSQLite3DB db;
    db.open(GetDatabasePath(SysManagerDb));
    CppSQLite3Query query = db.execQuery(formatSql("SELECT * FROM ManageRolse where RolseName = '%s'", roleName));
    return query.eof() ? std::string() : query.getStringField(2);
}

void RolePermissions::readInto(PermissionFlags& flags, const std::string& roleName)
{
    flags.grantFrom(permissionStringOf(roleName));
}

} // namespace pelinor
