#pragma once

#include "core/admin/CurrentUser.h"

#include <string>

namespace pelinor {

class PermissionFlags;

// Who is logged in, for the whole run: written by the login (and the password by the password
// change), read by every screen. Screens include this, never the start-up code.
class Session
{
public:
    static const CurrentUser& currentUser();
    static void setCurrentUser(const CurrentUser& user);
    static void setCurrentPassword(const std::string& password);
    static void clearCurrentUser();

    // Sets into `flags` what the current user's role grants (flags are never cleared here).
    static void readRolePermissions(PermissionFlags& flags);

    // Asks for the login to run again once the main window has closed (the password change).
    static void requestRelogin();
    static bool reloginRequested();
    static void clearReloginRequest();
};

} // namespace pelinor
