#pragma once

#include "TempDataFolder.h"
#include "core/admin/LoginService.h"
#include "core/db/CppSQLite3DB.h"
#include "core/db/DatabaseCatalog.h"
#include "core/db/SqlFormat.h"
#include "gui/session/Session.h"
#include "gui/widgets/CListCtrlCl.h"
#include "gui/widgets/FakePrompter.h"
#include "gui/widgets/Prompter.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace pelinor::test {

// Logs a user in as the login dialog would (fills the program-wide current-user record).
inline void logInAs(const std::string& user, const std::string& password)
{
    const auto result = LoginService::login(user, password);
    if (!result.ok()) {
        throw std::runtime_error("test login failed: " + result.message());
    }
    Session::setCurrentUser(result.value());
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
        Session::clearCurrentUser();
    }
    ~GuiFixture()
    {
        Session::clearCurrentUser();
    }

    TempDataFolder folder;
    std::shared_ptr<FakePrompter> prompts;

private:
    ScopedPrompter m_prompter;
};

// The base of the screen tests' fixtures: a GuiFixture, with its folder and prompter at hand.
class GuiTest : public ::testing::Test
{
protected:
    explicit GuiTest(DataFolderContent content = DataFolderContent::FirstRows)
        : m_gui(content)
    {
    }

    GuiFixture m_gui;
    TempDataFolder& m_folder = m_gui.folder;
    std::shared_ptr<FakePrompter>& m_prompts = m_gui.prompts;
};

// An account as a statement for the sysmanager file: number, user, password, the date of its last
// save, role, state ("启用" or "停用"), display name and telephone.
inline std::string accountRow(int id,
    const std::string& user,
    const std::string& password,
    const std::string& saved,
    const std::string& role,
    const std::string& state,
    const std::string& displayName,
    const std::string& telephone)
{
    return formatSql("INSERT INTO Management VALUES(%d,'%s','%s',NULL,NULL,NULL,'%s',NULL,'%s','%s','%s','%s');", id,
        user, password, saved, role, state, displayName, telephone);
}

// The texts of one column of a list, top row first.
inline QStringList column(const CListCtrlCl* list, int column)
{
    QStringList texts;
    for (int row = 0; row < list->rowCount(); ++row) {
        texts << list->itemText(row, column);
    }
    return texts;
}

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

// While it lives, every modal dialog that comes up is dismissed at once (rejected, or closed when it
// is no dialog), so a walk through the screens never waits for an answer.
class ModalDismisser
{
public:
    ModalDismisser()
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* dialog = qobject_cast<QDialog*>(modal)) {
                dialog->reject();
            } else if (modal) {
                modal->close();
            }
        });
        m_timer.start();
    }

private:
    QTimer m_timer;
};

// Ways a data file can become unreadable under a running program.
enum class Damage
{
    RandomBytes, // the file is no database any more
    TablesGone, // a database without the program's tables
};

inline void damage(int file, Damage how)
{
    const std::string path = GetDatabasePath(file);
    if (how == Damage::RandomBytes) {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        unsigned state = 12345u + static_cast<unsigned>(file);
        for (int i = 0; i < 8192; ++i) {
            state = state * 1103515245u + 12345u;
            out.put(static_cast<char>(state >> 16));
        }
        return;
    }
    CppSQLite3DB db;
    db.open(path);
    std::vector<std::string> tables;
    for (auto query = db.execQuery("SELECT name FROM sqlite_master WHERE type = 'table'"); !query.eof();
         query.nextRow()) {
        tables.push_back(query.getStringField(0));
    }
    for (const auto& table : tables) {
        db.execQuery("DROP TABLE \"" + table + "\"");
    }
}

} // namespace pelinor::test
