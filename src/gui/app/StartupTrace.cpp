#include "gui/app/StartupTrace.h"

#include "gui/admin/CLoginDlg.h"

#include <QEvent>
#include <QLineEdit>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>
#include <unistd.h>

namespace pelinor {

namespace {

bool g_loginTraced = false;
bool g_mainWindowTraced = false;
long long g_loginAcceptedNs = -1;
long long g_loginAcceptedCpuNs = -1;

bool variableSet(const char* name)
{
    const char* value = std::getenv(name);
    return value && *value && std::string(value) != "0";
}

// The boot clock: the clock the kernel keeps the process start on.
long long bootClockNs()
{
    timespec now {};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// The processor time of all the process's threads so far: what the start-up costs whatever else
// the machine is doing.
long long cpuClockNs()
{
    timespec used {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &used);
    return static_cast<long long>(used.tv_sec) * 1000000000LL + used.tv_nsec;
}

// When the kernel started this process (field 22 of /proc/self/stat, in clock ticks since boot);
// -1 when it cannot be read.
long long processStartNs()
{
    std::ifstream stat("/proc/self/stat");
    std::string line;
    std::getline(stat, line);
    // The program name (field 2) is in parentheses and may hold blanks: count from the last ')'.
    const auto end = line.rfind(')');
    if (end == std::string::npos) {
        return -1;
    }
    const char* rest = line.c_str() + end + 1;
    unsigned long long ticks = 0;
    // Fields 3 to 21, then the start time.
    if (std::sscanf(rest, " %*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %*u %*u %*d %*d %*d %*d %*d %*d %llu", &ticks)
        != 1) {
        return -1;
    }
    const long perSecond = sysconf(_SC_CLK_TCK);
    return perSecond > 0 ? static_cast<long long>(ticks) * (1000000000LL / perSecond) : -1;
}

double milliseconds(long long ns)
{
    return static_cast<double>(ns) / 1e6;
}

} // namespace

bool StartupTrace::enabled()
{
    return variableSet("PELINOR_TRACE_STARTUP");
}

void StartupTrace::watchLogin(CLoginDlg& login)
{
    if (!enabled() || g_loginTraced) {
        return;
    }
    g_loginTraced = true;
    new StartupTrace(login, Stage::Login);
    connect(&login, &QDialog::accepted, [] {
        g_loginAcceptedNs = bootClockNs();
        g_loginAcceptedCpuNs = cpuClockNs();
    });
}

void StartupTrace::watchMainWindow(QWidget& window)
{
    if (!enabled() || g_mainWindowTraced || g_loginAcceptedNs < 0) {
        return;
    }
    g_mainWindowTraced = true;
    new StartupTrace(window, Stage::MainWindow);
}

StartupTrace::StartupTrace(QWidget& window, Stage stage)
    : QObject(&window)
    , m_window(window)
    , m_stage(stage)
{
    window.installEventFilter(this);
}

bool StartupTrace::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_window && event->type() == QEvent::Paint && !m_painted) {
        m_painted = true;
        // The painting is under way: the window is shown once control is back in the event loop.
        QTimer::singleShot(0, this, &StartupTrace::shown);
    }
    return QObject::eventFilter(watched, event);
}

void StartupTrace::shown()
{
    const long long now = bootClockNs();
    const long long cpu = cpuClockNs();
    m_window.removeEventFilter(this);
    if (m_stage == Stage::Login) {
        const long long start = processStartNs();
        std::fprintf(stderr, "pelinor startup: start to login shown %.1f ms (cpu %.1f ms) [boottime %lld ns]\n",
            start < 0 ? -1.0 : milliseconds(now - start), milliseconds(cpu), now);
        std::fflush(stderr);
        const char* account = std::getenv("PELINOR_TRACE_STARTUP_LOGIN");
        if (account && *account) {
            const std::string text(account);
            const auto colon = text.find(':');
            auto& login = static_cast<CLoginDlg&>(m_window);
            login.userNameEdit()->setText(QString::fromStdString(text.substr(0, colon)));
            login.passwordEdit()->setText(
                colon == std::string::npos ? QString() : QString::fromStdString(text.substr(colon + 1)));
            login.onLogin();
        }
        return;
    }
    std::fprintf(stderr, "pelinor startup: login accepted to main window shown %.1f ms (cpu %.1f ms)\n",
        milliseconds(now - g_loginAcceptedNs), milliseconds(cpu - g_loginAcceptedCpuNs));
    std::fflush(stderr);
    if (variableSet("PELINOR_TRACE_STARTUP_EXIT")) {
        m_window.close();
    }
}

} // namespace pelinor
