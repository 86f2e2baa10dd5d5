#pragma once

#include "core/admin/Accounts.h"
#include "core/admin/PermissionFlags.h"
#include "core/common/Outcome.h"

#include <string>
#include <vector>

namespace pelinor {

// The roles of the sysmanager file and the permissions each grants. The built-in role
// "超级管理员", which the account "admin" always has, can be neither deleted nor renamed and
// always keeps the role permission itself, so nobody can lock everyone out of this page.
class Roles
{
public:
    static constexpr const char* kPermissionsSaved = "保存成功！";
    static constexpr const char* kDeleteQuestion = "确定要删除吗？";
    static constexpr const char* kEmptyName = "角色名称不能为空！";
    static constexpr const char* kNameTaken = "该角色名称已经存在，请重新输入！";
    static constexpr const char* kBuiltInDelete = "不能删除内置角色！";
    static constexpr const char* kBuiltInRename = "不能修改内置角色的名称！";
    static constexpr const char* kInUse = "该角色正在使用，不能删除！";
    static constexpr const char* kBuiltInKeepsRoles = "内置角色必须保留“权限管理”权限！";
    static constexpr const char* kRoleGone = "该角色已不存在！";
    // The permission the role page is guarded by.
    static constexpr const char* kRolePermission = "C42";

    // Every role in ascending number.
    static std::vector<RoleEntry> list();
    // What the role grants; nothing for a role without permissions or without a row.
    static PermissionFlags permissionsOf(int roleId);

    // Stores the flags as the role's permission string.
    static Outcome<> savePermissions(int roleId, const PermissionFlags& flags);
    // A new role without permissions, numbered one above the largest; gives its number.
    static Outcome<int> add(const std::string& name);
    // Renames the role and, in the same transaction, every account that names it.
    static Outcome<> rename(int roleId, const std::string& name);
    // Deletes a role that no account names.
    static Outcome<> remove(int roleId);
};

} // namespace pelinor
