#pragma once

#include <string>

namespace pelinor {

// Who is logged in: filled in one go by a successful login, empty before the first one.
struct CurrentUser
{
    std::string userName; // ManageUser, the key the account screens recognise the user by
    std::string displayName; // ManageName, recorded as a plan's author
    std::string roleName; // ManageRolse, looked up for module permissions
    std::string password; // ManagePass, compared by the password change

    bool loggedIn() const
    {
        return !userName.empty();
    }
};

} // namespace pelinor
