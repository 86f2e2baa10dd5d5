#pragma once

#include "core/admin/CurrentUser.h"
#include "core/common/Outcome.h"

#include <string>

namespace pelinor {

// The login rules, checked in this order: empty user name, empty password, unknown user,
// disabled account (before the password is looked at), wrong password. Every refusal has the
// caption "系统提示"; the value of a login that went through is the user who logged in.
class LoginService
{
public:
    static Outcome<CurrentUser> login(const std::string& userName, const std::string& password);
};

} // namespace pelinor
