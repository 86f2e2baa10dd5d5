#include "gui/app/CLumarooApp.h"

#include "gui/admin/CLoginDlg.h"
#include "gui/admin/InterruptedRestore.h"
#include "gui/app/StartupTrace.h"
#include "gui/session/Session.h"
#include "gui/shell/CLumarooDlg.h"

namespace pelinor {

namespace {

CLumarooApp* g_app = nullptr;

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
    // Before anybody logs in and sees the data: a restore cut short is finished first.
    finishInterruptedRestore();
    for (;;) {
        Session::clearReloginRequest();
        if (!runLogin()) {
            return 0;
        }
        runMainWindow();
        if (!Session::reloginRequested()) {
            return 0;
        }
    }
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
