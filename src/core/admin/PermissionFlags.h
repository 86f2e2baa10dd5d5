#pragma once

#include <set>
#include <string>
#include <vector>

namespace pelinor {

// One module permission: its code, the group and the label the role editor shows.
struct PermissionInfo
{
    const char* code;
    const char* group;
    const char* label;
};

// The nineteen permissions in their fixed order, C01 to C44.
const std::vector<PermissionInfo>& permissionTable();

// The separator of a role's permission string, the full-width semicolon.
inline constexpr const char* kPermissionSeparator = "；";

// The permission flags a page keeps. Reading a permission string only ever sets flags: a page
// that read a role once keeps what it was granted until the next login.
class PermissionFlags
{
public:
    PermissionFlags() = default;

    // The flags a permission string grants: codes of the table, anything else ignored.
    static PermissionFlags fromString(const std::string& permissionString);

    // Sets the flag of every known code found in the string; never clears one.
    void grantFrom(const std::string& permissionString);
    void grant(const std::string& code);
    void clear();
    bool has(const std::string& code) const;
    bool empty() const;
    // The granted codes in table order.
    std::vector<std::string> codes() const;
    // The string the role table stores: the codes in table order joined by "；", no final separator.
    std::string toPermissionString() const;

private:
    std::set<std::string> m_granted;
};

} // namespace pelinor
