// pelinor: the desktop program.
#include "app/CLumarooApp.h"
#include "app/GuiSetup.h"
#include "app/TourRunner.h"

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
