#include "gui/shell/HelpLauncher.h"

#include "gui/shell/CHelpDlg.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QPointer>

namespace pelinor {

namespace {

std::function<bool(const QUrl&)>& opener()
{
    static std::function<bool(const QUrl&)> installed;
    return installed;
}

QPointer<CHelpDlg>& guideWindow()
{
    static QPointer<CHelpDlg> window;
    return window;
}

} // namespace

QString HelpLauncher::helpFileName()
{
    return QStringLiteral("Lumaroo.chm");
}

void HelpLauncher::setUrlOpener(std::function<bool(const QUrl&)> replacement)
{
    opener() = std::move(replacement);
}

HelpLauncher::Shown HelpLauncher::open(QWidget* parent)
{
    const QFileInfo helpFile(QDir::current().filePath(helpFileName()));
    if (helpFile.isFile()) {
        // What happens to the file is the desktop's business, as with any document.
        const QUrl url = QUrl::fromLocalFile(helpFile.absoluteFilePath());
        if (opener()) {
            opener()(url);
        } else {
            QDesktopServices::openUrl(url);
        }
        return Shown::HelpFile;
    }
    // One guide window at a time: a second press brings it forward.
    if (!guideWindow()) {
        guideWindow() = new CHelpDlg(parent);
        guideWindow()->setAttribute(Qt::WA_DeleteOnClose);
    }
    guideWindow()->show();
    guideWindow()->raise();
    guideWindow()->activateWindow();
    return Shown::UserGuide;
}

} // namespace pelinor
