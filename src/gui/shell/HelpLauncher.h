#pragma once

#include <QString>
#include <QUrl>
#include <functional>

class QWidget;

namespace pelinor {

// The help button: "Lumaroo.chm" from the current folder through the desktop's opener when the
// file is there; otherwise the program's own user guide in a help window.
class HelpLauncher
{
public:
    enum class Shown
    {
        HelpFile,
        UserGuide
    };

    static Shown open(QWidget* parent);

    // The file the help button looks for, relative to the current folder.
    static QString helpFileName();
    // Tests replace the desktop's opener; null restores it.
    static void setUrlOpener(std::function<bool(const QUrl&)> opener);
};

} // namespace pelinor
