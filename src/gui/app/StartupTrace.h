#pragma once

#include <QObject>

class QWidget;

namespace pelinor {

class CLoginDlg;

// How long the start-up takes, printed on standard error when PELINOR_TRACE_STARTUP=1:
//
//   pelinor startup: start to login shown 118.4 ms (cpu 95.0 ms) [boottime 5123456789012 ns]
//   pelinor startup: login accepted to main window shown 201.7 ms (cpu 150.2 ms)
//
// "Shown" is the end of the window's first painting, so the main window's figure includes
// building every page. The start is the process start as the kernel keeps it (in steps of 10 ms);
// the boot-clock stamp of the moment the login was shown lets a caller that noted the time it
// started the program measure the first interval exactly. The processor time the process used in
// each interval (all its threads) tells what the start-up costs on a machine busy with other work.
//
// Two more variables, honoured only together with PELINOR_TRACE_STARTUP=1, let a benchmark run the
// start-up without a person: PELINOR_TRACE_STARTUP_LOGIN=user:password types the account into the
// login once it is shown and presses 登录 (the account is checked as always), and
// PELINOR_TRACE_STARTUP_EXIT=1 closes the main window once it is shown.
class StartupTrace : public QObject
{
    Q_OBJECT

public:
    static bool enabled();

    // Called by the start-up for the login dialog and the main window before each is run; each is
    // traced the first time only.
    static void watchLogin(CLoginDlg& login);
    static void watchMainWindow(QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Stage
    {
        Login,
        MainWindow
    };
    StartupTrace(QWidget& window, Stage stage);
    void shown();

    QWidget& m_window;
    Stage m_stage;
    bool m_painted = false;
};

} // namespace pelinor
