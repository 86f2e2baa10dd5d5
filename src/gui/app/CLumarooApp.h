#pragma once

#include "core/admin/CurrentUser.h"

#include <QObject>
#include <functional>

namespace pelinor {

class PermissionFlags;

// The program's start-up and the record of who is logged in. One object per run; the record is
// program-wide so every page reads the same one.
class CLumarooApp : public QObject
{
    Q_OBJECT

public:
    explicit CLumarooApp(QObject* parent = nullptr);
    ~CLumarooApp() override;

    static CLumarooApp* instance();

    // The start-up sequence: the login, then the main window until it closes; after a password
    // change the login runs again and a fresh main window follows. Returns the exit code.
    int run();

    // Asks for the login to run again once the main window has closed (the password change).
    static void requestRelogin();
    static bool reloginRequested();

    static const CurrentUser& currentUser();
    // Written by the login only (and the password by the password change).
    static void setCurrentUser(const CurrentUser& user);
    static void setCurrentPassword(const std::string& password);
    static void clearCurrentUser();

    // Sets into `flags` what the current user's role grants (flags are never cleared here).
    static void readRolePermissions(PermissionFlags& flags);

    // Tests replace the two modal steps of the start-up; the program leaves them alone.
    void setLoginRunner(std::function<bool()> runner);
    void setMainWindowRunner(std::function<void()> runner);

private:
    bool runLogin();
    void runMainWindow();

    std::function<bool()> m_loginRunner;
    std::function<void()> m_mainWindowRunner;
};

} // namespace pelinor
