#include "gui/app/CLumarooApp.h"

#include "core/admin/RolePermissions.h"
#include "gui/admin/CLoginDlg.h"
#include "gui/app/StartupTrace.h"
#include "gui/shell/CLumarooDlg.h"

namespace pelinor {

namespace {

CLumarooApp* g_app = nullptr;
CurrentUser g_currentUser;
bool g_reloginRequested = false;

} // namespace

CLumarooApp::CLumarooApp(QObject* parent)
    : QObject(parent)
{
    g_app = this;
}

CLumarooApp::~CLumarooApp()
{
    if (g_app == this) {
        g_app = nullptr;
    }
}

CLumarooApp* CLumarooApp::instance()
{
    return g_app;
}

int CLumarooApp::run()
{
    for (;;) {
        g_reloginRequested = false;
        if (!runLogin()) {
            return 0;
        }
        runMainWindow();
        if (!g_reloginRequested) {
            return 0;
        }
    }
}

void CLumarooApp::requestRelogin()
{
    g_reloginRequested = true;
}

bool CLumarooApp::reloginRequested()
{
    return g_reloginRequested;
}

const CurrentUser& CLumarooApp::currentUser()
{
    return g_currentUser;
}

void CLumarooApp::setCurrentUser(const CurrentUser& user)
{
    g_currentUser = user;
}

void CLumarooApp::setCurrentPassword(const std::string& password)
{
    g_currentUser.password = password;
}

void CLumarooApp::clearCurrentUser()
{
    g_currentUser = CurrentUser();
}

void CLumarooApp::readRolePermissions(PermissionFlags& flags)
{
    RolePermissions::readInto(flags, g_currentUser.roleName);
}

void CLumarooApp::setLoginRunner(std::function<bool()> runner)
{
    m_loginRunner = std::move(runner);
}

void CLumarooApp::setMainWindowRunner(std::function<void()> runner)
{
    m_mainWindowRunner = std::move(runner);
}

bool CLumarooApp::runLogin()
{
    if (m_loginRunner) {
        return m_loginRunner();
    }
    CLoginDlg login;
    StartupTrace::watchLogin(login);
    return login.exec() == QDialog::Accepted;
}

void CLumarooApp::runMainWindow()
{
    if (m_mainWindowRunner) {
        m_mainWindowRunner();
        return;
    }
    CLumarooDlg window;
    StartupTrace::watchMainWindow(window);
    window.exec();
}

} // namespace pelinor
