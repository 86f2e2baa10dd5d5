#include "gui/app/GuiSetup.h"

#include "core/common/AppInfo.h"
#include "gui/widgets/SkinFonts.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

// The resources live in a static library, so they are registered by hand (outside any namespace).
static void initResources()
{
    Q_INIT_RESOURCE(pelinor_gui);
}

namespace pelinor {

void setUpGui(QApplication& application)
{
    initResources();
    QApplication::setApplicationName(QString::fromUtf8(kApplicationTitle));
    QApplication::setApplicationDisplayName(QString::fromUtf8(kApplicationTitle));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/skin/app-icon.svg")));

    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    auto* translator = new QTranslator(&application);
    if (translator->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(translator);
    }

    QFont font = namedFont(QStringLiteral("WenQuanYi Micro Hei"), 0);
    font.setPointSize(10);
    QApplication::setFont(font);
}

} // namespace pelinor
