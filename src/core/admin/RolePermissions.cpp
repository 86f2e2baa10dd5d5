#include "core/admin/RolePermissions.h"

#include "core/db/CppSQLite3DB.h"
#include "core/db/DatabaseCatalog.h"
#include "core/db/DatabaseConnection.h"
#include "core/db/SqlFormat.h"

namespace pelinor {

std::string RolePermissions::permissionStringOf(const std::string& roleName)
{
    DatabaseConnection db(SysManagerDb);
    CppSQLite3Query query = db.execQuery(formatSql("SELECT * FROM ManageRolse where RolseName = '%s'", roleName));
    return query.eof() ? std::string() : query.getStringField(2);
}

void RolePermissions::readInto(PermissionFlags& flags, const std::string& roleName)
{
    flags.grantFrom(permissionStringOf(roleName));
}

} // namespace pelinor
