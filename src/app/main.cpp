// pelinor: the desktop program.
#include "gui/app/CLumarooApp.h"
#include "gui/app/GuiSetup.h"
#include "gui/app/TourRunner.h"

#include <QApplication>
#include <QStringList>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    pelinor::setUpGui(application);

    const QStringList arguments = QApplication::arguments();
    const qsizetype tour = arguments.indexOf(QStringLiteral("--tour"));
    if (tour >= 0) {
        if (tour + 1 >= arguments.size()) {
            std::fprintf(stderr, "usage: pelinor --tour DIR\n");
            return 2;
        }
        return pelinor::runTour(arguments.at(tour + 1));
    }

    pelinor::CLumarooApp app;
    return app.run();
}
