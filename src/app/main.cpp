// pelinor: the desktop program.
#include "core/db/DataFolderCheck.h"
#include "core/db/DatabaseCatalog.h"
#include "gui/app/CLumarooApp.h"
#include "gui/app/DataFolderGate.h"
#include "gui/app/GuiSetup.h"
#include "gui/app/TourRunner.h"

#include <QApplication>
#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <future>
#include <optional>
#include <string>

namespace {

bool isSet(const char* variable)
{
    const char* value = std::getenv(variable);
    return value && *value;
}

// --help and --version are answered before anything that needs a display.
std::optional<int> answerInformationOptions(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("pelinor %s\n", PELINOR_VERSION);
            return 0;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::printf("用法 / Usage: pelinor [--tour DIR]\n\n"
                        "Pelinor 幼儿园营养管理：登录后打开主窗口。\n"
                        "The kindergarten nutrition program: the login, then the main window.\n\n"
                        "  --tour DIR    Save a picture of the login, every page and the tour's dialogs into DIR\n"
                        "                (runs without a display with QT_QPA_PLATFORM=offscreen).\n"
                        "  --help, -h    Show this help.\n"
                        "  --version     Show the version.\n\n"
                        "Environment:\n"
                        "  PELINOR_DATA_DIR         The data folder (default: \"formal\" beside the program).\n"
                        "                           pelinor-cli initdb DIR creates one.\n"
                        "  PELINOR_TRACE_STARTUP=1  Print how long the start-up takes on standard error.\n");
            return 0;
        }
    }
    return std::nullopt;
}

// Without a display Qt would abort the program (and leave a core file); say what is missing instead.
bool displayAvailable(int argc, char** argv)
{
    if (isSet("QT_QPA_PLATFORM") || isSet("DISPLAY") || isSet("WAYLAND_DISPLAY")) {
        return true;
    }
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strncmp(argv[i], "-platform=", 10) == 0) {
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    if (const auto answered = answerInformationOptions(argc, argv)) {
        return *answered;
    }
    if (!displayAvailable(argc, argv)) {
        std::fprintf(stderr,
            "pelinor: 找不到图形显示（DISPLAY 未设置），无法打开窗口。请在桌面环境中启动 Pelinor。\n"
            "pelinor: no display (DISPLAY is not set); start Pelinor on a desktop.\n");
        return 1;
    }
    // The data folder is checked while the window system starts: reading every page of a big folder
    // takes a while. (The folder is found here: the environment is not read beside Qt's start.)
    const std::string folder = pelinor::dataDirectory();
    auto check = std::async(std::launch::async, [folder] { return pelinor::DataFolderCheck::run(folder); });

    QApplication application(argc, argv);
    pelinor::setUpGui(application);

    const QStringList arguments = QApplication::arguments();
    const qsizetype tour = arguments.indexOf(QStringLiteral("--tour"));
    if (tour >= 0 && tour + 1 >= arguments.size()) {
        std::fprintf(stderr, "usage: pelinor --tour DIR\n");
        return 2;
    }
    if (!pelinor::DataFolderGate::pass(check.get(), pelinor::DataFolderGate::defaultAsker())) {
        return 1;
    }
    if (tour >= 0) {
        return pelinor::runTour(arguments.at(tour + 1));
    }

    pelinor::CLumarooApp app;
    return app.run();
}
