#pragma once

#include "core/common/Outcome.h"

#include <optional>
#include <string>
#include <vector>

namespace pelinor {

// One line of the account list.
struct AccountRow
{
    std::string userName; // ManageUser
    std::string name; // ManageName
    std::string savedOn; // ManageCreateTime, the date of the last save
    std::string telephone; // ManageTel
    std::string roleName; // ManageRolse
    std::string state; // ManageState
};

// What the account dialog edits. A new account has the number -1; an empty role or state means
// nothing is selected in its list.
struct AccountForm
{
    int id = -1;
    std::string userName;
    std::string name;
    std::string telephone;
    std::string roleName;
    std::string state;
    std::string password;
    std::string confirmation;
    std::string savedOn; // loaded with an account; replaced by today on save
};

struct RoleEntry
{
    int id = 0;
    std::string name;
};

// The account rules and statements of the sysmanager file.
class Accounts
{
public:
    static constexpr const char* kBuiltInUser = "admin";
    static constexpr const char* kBuiltInRole = "超级管理员";
    static constexpr const char* kBuiltInPassword = "vanto";
    static constexpr const char* kEnabled = "启用";
    static constexpr const char* kDisabled = "停用";
    // The refusal of a user name that is taken; the dialog empties its user-name field for it.
    static constexpr const char* kUserNameTaken = "该用户名已经存在，请重新添加！";

    // Every account, in table order.
    static std::vector<AccountRow> list();
    // Every role in ascending number.
    static std::vector<RoleEntry> roles();
    // The account with this user name, for the dialog's edit mode.
    static std::optional<AccountForm> load(const std::string& userName);
    // The number of the role with this name, or -1.
    static int roleIdOf(const std::string& roleName);

    // The dialog's OK: the checks in order, then the row written (an edit keeps its number), all in
    // one transaction. Its value is the account as stored (its number, forced admin values,
    // today's date).
    static Outcome<AccountForm> save(AccountForm form, const std::string& loggedInUser, const std::string& today);
    // Deleting, after the user confirmed.
    static Outcome<> remove(const std::string& userName, const std::string& loggedInUser);
    // Enabling a disabled account or disabling an enabled one; `currentState` is the list's.
    static Outcome<> toggleState(
        const std::string& userName, const std::string& currentState, const std::string& loggedInUser);
};

} // namespace pelinor
