#include "reports/ReportApplication.h"

#include "reports/ReportFonts.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <clocale>
#include <cstdio>
#include <cstdlib>

namespace pelinor {

namespace {

int g_argc = 1;
char g_name[] = "pelinor";
char* g_argv[] = { g_name, nullptr };

// Starting a platform without a desktop session makes Qt warn about things no report needs (the
// runtime folder of a session); those lines would only clutter a command's output.
void quietStart(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
        std::abort();
    }
}

} // namespace

ReportApplication::ReportApplication()
{
    if (QGuiApplication::instance()) {
        return;
    }
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const QtMessageHandler previous = qInstallMessageHandler(quietStart);
    m_application = std::make_unique<QGuiApplication>(g_argc, g_argv);
    qInstallMessageHandler(previous);
    // Qt takes the environment's locale for the C library; numbers are read and written with ".".
    std::setlocale(LC_NUMERIC, "C");
    QGuiApplication::setFont(applicationFont());
}

ReportApplication::~ReportApplication() = default;

bool ReportApplication::hasChineseFont()
{
    const QStringList installed = QFontDatabase::families();
    for (const QString& family : cjkFallbackFamilies()) {
        if (installed.contains(family)) {
            return true;
        }
    }
    return false;
}

} // namespace pelinor
