#pragma once

#include "core/admin/PermissionFlags.h"

#include <string>

namespace pelinor {

// Reads a role's permission string from the role table of the sysmanager file.
class RolePermissions
{
public:
    // The stored string of the role (empty for a role without permissions or without a row).
    static std::string permissionStringOf(const std::string& roleName);
    // Sets the flags the role grants into `flags`; a role that has no row grants nothing.
    static void readInto(PermissionFlags& flags, const std::string& roleName);
};

} // namespace pelinor
