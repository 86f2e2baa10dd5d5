#pragma once

#include "core/admin/CurrentUser.h"

#include <string>

namespace pelinor {

struct LoginResult
{
    bool ok = false;
    std::string message; // the refusal, empty on success
    std::string caption; // "系统提示" for every login message
    CurrentUser user; // filled on success
};

// The login rules, checked in this order: empty user name, empty password, unknown user,
// disabled account (before the password is looked at), wrong password.
class LoginService
{
public:
    static LoginResult login(const std::string& userName, const std::string& password);
};

} // namespace pelinor
