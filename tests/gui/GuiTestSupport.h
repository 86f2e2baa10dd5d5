#pragma once

#include "TempDataFolder.h"
#include "admin/LoginService.h"
#include "app/CLumarooApp.h"
#include "db/DatabaseCatalog.h"
#include "widgets/FakePrompter.h"
#include "widgets/Prompter.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

namespace pelinor::test {

// Logs a user in as the login dialog would (fills the program-wide current-user record).
inline void logInAs(const std::string& user, const std::string& password)
{
    const LoginResult result = LoginService::login(user, password);
    if (!result.ok) {
        throw std::runtime_error("test login failed: " + result.message);
    }
    CLumarooApp::setCurrentUser(result.user);
}

// A fresh data folder, a fake prompter and nobody logged in, for every GUI test.
class GuiFixture
{
public:
    explicit GuiFixture(DataFolderContent content = DataFolderContent::FirstRows)
        : folder(content)
        , prompts(std::make_shared<FakePrompter>())
        , m_prompter(prompts)
    {
        CLumarooApp::clearCurrentUser();
    }
    ~GuiFixture()
    {
        CLumarooApp::clearCurrentUser();
    }

    TempDataFolder folder;
    std::shared_ptr<FakePrompter> prompts;

private:
    ScopedPrompter m_prompter;
};

// Runs `action` on the first modal dialog of type T once it is shown (a handler's exec()).
// A dialog that never comes is not waited for forever: after a few seconds every modal dialog
// is rejected, so the test fails instead of hanging.
template <typename T> void whenModal(std::function<void(T*)> action)
{
    auto* timer = new QTimer;
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, clock, action] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            action(dialog);
            return;
        }
        if (clock->elapsed() > 5000) {
            timer->stop();
            timer->deleteLater();
            if (auto* stuck = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                stuck->reject();
            }
        }
    });
    timer->start();
}

} // namespace pelinor::test
