#pragma once

#include "core/admin/CurrentUser.h"

#include <QObject>
#include <string>

namespace pelinor {

class PermissionFlags;

// Tells the screens that show who is logged in (the bottom bar) that it changed: a login, or a
// rename of the role the user holds.
class SessionNotifier : public QObject
{
    Q_OBJECT

signals:
    void userChanged();
};

// Who is logged in, for the whole run: written by the login (and the password by the password
// change), read by every screen. Screens include this, never the start-up code.
class Session
{
public:
    static const CurrentUser& currentUser();
    static void setCurrentUser(const CurrentUser& user);
    static void setCurrentPassword(const std::string& password);
    static void clearCurrentUser();
    static SessionNotifier& notifier();

    // Sets into `flags` what the current user's role grants (flags are never cleared here).
    static void readRolePermissions(PermissionFlags& flags);

    // Asks for the login to run again once the main window has closed (the password change).
    static void requestRelogin();
    static bool reloginRequested();
    static void clearReloginRequest();
};

} // namespace pelinor
