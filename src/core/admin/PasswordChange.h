#pragma once

#include "core/common/Outcome.h"

#include <string>

namespace pelinor {

// The password-change page's rules: the old password must match, the new one must not be empty
// and must be confirmed; then the stored password is replaced.
class PasswordChange
{
public:
    // What the page shows after a change went through (under the application's title).
    static constexpr const char* kSaved = "保存成功,请重新登录！";

    static Outcome<> change(const std::string& userName,
        const std::string& currentPassword,
        const std::string& oldPassword,
        const std::string& newPassword,
        const std::string& confirmation);
};

} // namespace pelinor
