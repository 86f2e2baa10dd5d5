#include "gui/session/Session.h"

#include "core/admin/RolePermissions.h"

namespace pelinor {

namespace {

CurrentUser g_currentUser;
bool g_reloginRequested = false;

} // namespace

const CurrentUser& Session::currentUser()
{
    return g_currentUser;
}

void Session::setCurrentUser(const CurrentUser& user)
{
    g_currentUser = user;
    emit notifier().userChanged();
}

void Session::setCurrentPassword(const std::string& password)
{
    g_currentUser.password = password;
}

void Session::clearCurrentUser()
{
    g_currentUser = CurrentUser();
    emit notifier().userChanged();
}

SessionNotifier& Session::notifier()
{
    static SessionNotifier notifier;
    return notifier;
}

void Session::readRolePermissions(PermissionFlags& flags)
{
    RolePermissions::readInto(flags, g_currentUser.roleName);
}

void Session::requestRelogin()
{
    g_reloginRequested = true;
}

bool Session::reloginRequested()
{
    return g_reloginRequested;
}

void Session::clearReloginRequest()
{
    g_reloginRequested = false;
}

} // namespace pelinor
