#pragma once

#include <QObject>
#include <functional>

namespace pelinor {

// The program's start-up. One object per run; who is logged in is the Session's.
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
