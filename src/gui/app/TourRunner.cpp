#include "gui/app/TourRunner.h"

#include "core/admin/LoginService.h"
#include "gui/admin/CLoginDlg.h"
#include "gui/navigation/PageRegistry.h"
#include "gui/session/Session.h"
#include "gui/shell/CLumarooDlg.h"
#include "gui/widgets/DatabaseError.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QWidget>
#include <cstdio>
#include <optional>

namespace pelinor {

namespace {

void settle()
{
    for (int round = 0; round < 3; ++round) {
        QApplication::processEvents();
    }
}

class Tour : public TourContext
{
public:
    Tour(CLumarooDlg& window, const QDir& folder)
        : m_window(window)
        , m_folder(folder)
    {
    }

    QWidget& mainWindow() override
    {
        return m_window;
    }

    void save(QWidget* widget, const QString& name) override
    {
        if (!widget->isVisible()) {
            widget->show();
        }
        settle();
        const QString path = m_folder.filePath(name + QStringLiteral(".png"));
        if (widget->grab().save(path)) {
            ++m_saved;
            std::printf("%s\n", qPrintable(path));
        } else {
            std::fprintf(stderr, "pelinor --tour: cannot write %s\n", qPrintable(path));
            m_failed = true;
        }
    }

    int saved() const
    {
        return m_saved;
    }

    bool failed() const
    {
        return m_failed;
    }

private:
    CLumarooDlg& m_window;
    QDir m_folder;
    int m_saved = 0;
    bool m_failed = false;
};

} // namespace

int runTour(const QString& folder)
{
    QDir target(folder);
    if (!target.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "pelinor --tour: cannot create %s\n", qPrintable(folder));
        return 1;
    }

    std::optional<Outcome<CurrentUser>> login;
    try {
        login = LoginService::login("admin", "vanto");
    } catch (const CppSQLite3Exception& failure) {
        std::fprintf(stderr, "pelinor --tour: %s\n", failure.errorMessage().c_str());
        return 1;
    }
    if (!login->ok()) {
        std::fprintf(stderr, "pelinor --tour: %s\n", login->message().c_str());
        return 1;
    }

    {
        // The login as the user sees it, before the main window exists.
        CLoginDlg loginDialog;
        loginDialog.userNameEdit()->setText(QStringLiteral("admin"));
        loginDialog.show();
        settle();
        loginDialog.grab().save(target.filePath(QStringLiteral("login.png")));
    }
    Session::setCurrentUser(login->value());

    CLumarooDlg window;
    // The size the window opens with on a desktop, whatever the offscreen screen says.
    window.resize(CLumarooDlg::kInitialWidth, CLumarooDlg::kInitialHeight);
    window.show();
    Tour tour(window, target);
    for (const TourStep& step : tourSteps()) {
        if (step.custom) {
            step.custom(tour);
        } else {
            window.showPage(step.page);
            tour.save(&window, step.name);
        }
    }
    window.showPage(PageId::CenterHub);
    window.close();
    std::printf("%d pictures\n", tour.saved() + 1);
    return tour.failed() ? 1 : 0;
}

} // namespace pelinor
