#pragma once

#include <string>

namespace pelinor {

struct PasswordChangeResult
{
    bool ok = false;
    std::string message; // the refusal, or the success message
    std::string caption;
};

// The password-change page's rules: the old password must match, the new one must not be empty
// and must be confirmed; then the stored password is replaced.
class PasswordChange
{
public:
    static PasswordChangeResult change(const std::string& userName,
        const std::string& currentPassword,
        const std::string& oldPassword,
        const std::string& newPassword,
        const std::string& confirmation);
};

} // namespace pelinor
