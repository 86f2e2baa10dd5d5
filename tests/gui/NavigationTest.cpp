#include "GuiTestSupport.h"
#include "gui/admin/CMmglDlg.h"
#include "gui/admin/CQxglDlg.h"
#include "gui/admin/CSjkglDlg.h"
#include "gui/admin/CYysglDlg.h"
#include "gui/navigation/PageRegistry.h"
#include "gui/shell/CCenterDlg.h"
#include "gui/shell/CHelpDlg.h"
#include "gui/shell/CHubPage.h"
#include "gui/shell/CLeftDlg.h"
#include "gui/shell/CLumarooDlg.h"
#include "gui/shell/HelpLauncher.h"
#include "gui/widgets/CPictureButton.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <QTextBrowser>
#include <gtest/gtest.h>

using namespace pelinor;

namespace {

const QString kNoPermission = QStringLiteral("对不起！您没有操作该模块的权限！");

class NavigationTest : public test::GuiTest
{
protected:
    void SetUp() override
    {
        m_folder.exec(SysManagerDb,
            "INSERT INTO ManageRolse VALUES(1,'访客','');"
                + test::accountRow(1, "guest", "pw", "2026-02-01", "访客", "启用", "访客", ""));
        // The help file is looked for in the current folder: an empty one of our own.
        m_previousFolder = QDir::currentPath();
        QDir::setCurrent(QString::fromStdString(m_workFolder.path()));
        HelpLauncher::setUrlOpener([this](const QUrl& url) {
            m_opened.append(url);
            return true;
        });
    }

    void TearDown() override
    {
        HelpLauncher::setUrlOpener(nullptr);
        QDir::setCurrent(m_previousFolder);
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (qobject_cast<CHelpDlg*>(window)) {
                window->close();
            }
        }
    }

    void setRolePermissions(const char* codes)
    {
        m_gui.folder.exec(SysManagerDb,
            std::string("UPDATE ManageRolse SET RolseContain = '") + codes + "' WHERE RolseName = '访客';");
    }

    static bool guideShown()
    {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (qobject_cast<CHelpDlg*>(window) && window->isVisible()) {
                return true;
            }
        }
        return false;
    }

    test::TempDirectory m_workFolder;
    QString m_previousFolder;
    QList<QUrl> m_opened;
};

TEST_F(NavigationTest, EveryPageExistsByItsNumberAndEverySubPageInItsHub)
{
    test::logInAs("admin", "vanto");
    CLumarooDlg window;
    EXPECT_EQ(CLumarooDlg::mainWindow(), &window);
    for (int number = -1; number <= 14; ++number) {
        const bool named = number >= 0 && number <= 13 && number != 6 && number != 8;
        EXPECT_EQ(window.GetPage(number) != nullptr, named) << "page " << number;
    }
    for (PageId hub : { PageId::InfoHub, PageId::RecipeHub, PageId::SettingsHub }) {
        for (PageId sub : subPagesOf(hub)) {
            ASSERT_NE(window.page(sub), nullptr) << pageClassName(sub).toStdString();
            EXPECT_EQ(window.hub(hub)->subPage(sub), window.page(sub));
        }
    }
    EXPECT_NE(window.page(PageId::Knowledge), nullptr);
    EXPECT_EQ(window.GetPage(5), window.centerHub());
    EXPECT_NE(window.pageAs<CYysglDlg>(PageId::Accounts), nullptr);
    EXPECT_NE(window.pageAs<CMmglDlg>(PageId::PasswordChange), nullptr);
    EXPECT_NE(window.pageAs<CQxglDlg>(PageId::Roles), nullptr);
    EXPECT_NE(window.pageAs<CSjkglDlg>(PageId::Backup), nullptr);
    EXPECT_EQ(window.currentPage(), PageId::CenterHub);
}

TEST_F(NavigationTest, ARoleWithoutPermissionsOpensOnlyTheUnguardedModules)
{
    test::logInAs("guest", "pw");
    CLumarooDlg window;
    window.show();

    // The unguarded ones: home, knowledge, help, purchase list, meal-time dish table.
    EXPECT_EQ(window.currentPage(), PageId::CenterHub);
    window.centerHub()->press(1, 4);
    EXPECT_EQ(window.currentPage(), PageId::Knowledge);
    window.centerHub()->press(3, 4);
    EXPECT_TRUE(guideShown());
    window.navigate(CLeftDlg::Information);
    EXPECT_TRUE(window.hub(PageId::InfoHub)->openFromButton(PageId::PurchaseList));
    EXPECT_EQ(window.currentPage(), PageId::PurchaseList);
    window.navigate(CLeftDlg::Recipes);
    EXPECT_EQ(window.currentPage(), PageId::RecipeWelcome);
    EXPECT_TRUE(window.hub(PageId::RecipeHub)->openFromButton(PageId::MealTimeDishes));
    EXPECT_EQ(window.currentPage(), PageId::MealTimeDishes);
    window.navigate(CLeftDlg::Home);
    EXPECT_EQ(window.currentPage(), PageId::CenterHub);
    EXPECT_TRUE(m_gui.prompts->texts().isEmpty());

    // Every guarded button of the home page refuses and leaves the home page shown.
    for (int index = 0; index < CCenterDlg::entries().size(); ++index) {
        if (CCenterDlg::entries().at(index).permission.isEmpty()) {
            continue;
        }
        m_gui.prompts->clear();
        window.centerHub()->press(index / 4 + 1, index % 4 + 1);
        EXPECT_EQ(m_gui.prompts->texts(), QStringList { kNoPermission }) << index;
        EXPECT_EQ(m_gui.prompts->lastCaption(), "Pelinor");
        EXPECT_EQ(window.currentPage(), PageId::CenterHub) << index;
    }

    // So does every guarded button of the hubs.
    const struct
    {
        PageId hub;
        PageId target;
    } guarded[] = {
        { PageId::InfoHub, PageId::Health },
        { PageId::InfoHub, PageId::Immunisation },
        { PageId::InfoHub, PageId::Classes },
        { PageId::InfoHub, PageId::Attendance },
        { PageId::RecipeHub, PageId::Foods },
        { PageId::RecipeHub, PageId::Dishes },
        { PageId::RecipeHub, PageId::SetMeals },
        { PageId::SettingsHub, PageId::Accounts },
        { PageId::SettingsHub, PageId::Roles },
        { PageId::SettingsHub, PageId::Backup },
        { PageId::SettingsHub, PageId::PasswordChange },
    };
    for (const auto& g : guarded) {
        window.navigate(g.hub == PageId::InfoHub ? CLeftDlg::Information
                : g.hub == PageId::RecipeHub     ? CLeftDlg::Recipes
                                                 : CLeftDlg::Settings);
        m_gui.prompts->clear();
        EXPECT_FALSE(window.hub(g.hub)->openFromButton(g.target));
        EXPECT_EQ(m_gui.prompts->texts(), QStringList { kNoPermission }) << pageClassName(g.target).toStdString();
        EXPECT_EQ(window.currentPage(), welcomePageOf(g.hub));
    }
}

TEST_F(NavigationTest, APermissionAddedDuringTheRunReachesOnlyTheHomePageAfterTheHomeButton)
{
    test::logInAs("guest", "pw");
    CLumarooDlg window;
    window.show();
    setRolePermissions("C31；C21；C41");

    window.centerHub()->press(1, 1);
    EXPECT_EQ(window.currentPage(), PageId::CenterHub);
    EXPECT_EQ(m_gui.prompts->texts().size(), 1);

    // Pressing the real home button re-reads the role for the home page.
    QTest::mouseClick(window.navigationBar()->button(CLeftDlg::Home), Qt::LeftButton);
    m_gui.prompts->clear();
    QTest::mouseClick(window.centerHub()->button(1, 1), Qt::LeftButton);
    EXPECT_EQ(window.currentPage(), PageId::Foods);
    window.navigate(CLeftDlg::Home);
    window.centerHub()->press(2, 3);
    EXPECT_EQ(window.currentPage(), PageId::Health);
    EXPECT_TRUE(m_gui.prompts->texts().isEmpty());

    // The hubs read the role once, when the main window was made.
    const struct
    {
        int navigation;
        PageId hub;
        PageId target;
    } hubs[] = {
        { CLeftDlg::Recipes, PageId::RecipeHub, PageId::Foods },
        { CLeftDlg::Information, PageId::InfoHub, PageId::Health },
        { CLeftDlg::Settings, PageId::SettingsHub, PageId::Accounts },
    };
    for (const auto& h : hubs) {
        window.navigate(h.navigation);
        m_gui.prompts->clear();
        QTest::mouseClick(window.hub(h.hub)->button(h.target), Qt::LeftButton);
        EXPECT_EQ(m_gui.prompts->texts(), QStringList { kNoPermission });
        EXPECT_EQ(window.currentPage(), welcomePageOf(h.hub));
    }

    // A new main window (the next login) reads the role afresh.
    CLumarooDlg next;
    EXPECT_TRUE(next.hub(PageId::RecipeHub)->openFromButton(PageId::Foods));
}

TEST_F(NavigationTest, APermissionRemovedDuringTheRunStaysUntilTheNextLogin)
{
    test::logInAs("admin", "vanto");
    CLumarooDlg window;
    m_gui.folder.exec(SysManagerDb, "UPDATE ManageRolse SET RolseContain = '' WHERE RolseID = 0;");
    window.navigate(CLeftDlg::Home);
    window.centerHub()->press(1, 2);
    EXPECT_EQ(window.currentPage(), PageId::Dishes);
    window.navigate(CLeftDlg::Settings);
    EXPECT_TRUE(window.hub(PageId::SettingsHub)->openFromButton(PageId::Roles));
    EXPECT_TRUE(m_gui.prompts->texts().isEmpty());
}

TEST_F(NavigationTest, TheHubButtonsOfTheNavigationBarShowTheWelcomePicture)
{
    test::logInAs("admin", "vanto");
    CLumarooDlg window;
    const struct
    {
        int navigation;
        PageId hub;
        PageId module;
    } cases[] = {
        { CLeftDlg::Information, PageId::InfoHub, PageId::Attendance },
        { CLeftDlg::Recipes, PageId::RecipeHub, PageId::SetMeals },
        { CLeftDlg::Settings, PageId::SettingsHub, PageId::Backup },
    };
    for (const auto& c : cases) {
        window.showPage(c.module);
        EXPECT_EQ(window.currentPage(), c.module);
        EXPECT_EQ(window.GetPage(static_cast<int>(c.hub))->isVisibleTo(&window), true);
        window.navigate(c.navigation);
        EXPECT_EQ(window.currentPage(), welcomePageOf(c.hub));
        EXPECT_TRUE(window.navigationBar()->button(static_cast<CLeftDlg::Target>(c.navigation))->isChecked());
    }
    window.navigate(CLeftDlg::Archives);
    EXPECT_EQ(window.currentPage(), PageId::ArchiveList);
    window.navigate(CLeftDlg::Plans);
    EXPECT_EQ(window.currentPage(), PageId::PlanList);
}

TEST_F(NavigationTest, HelpOpensTheHelpFileWhenItIsThereAndTheGuideOtherwise)
{
    test::logInAs("guest", "pw");
    CLumarooDlg window;
    EXPECT_EQ(HelpLauncher::open(&window), HelpLauncher::Shown::UserGuide);
    EXPECT_TRUE(m_opened.isEmpty());
    EXPECT_TRUE(guideShown());
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (auto* guide = qobject_cast<CHelpDlg*>(top)) {
            EXPECT_TRUE(guide->browser()->toPlainText().contains("admin"));
            EXPECT_TRUE(guide->browser()->toPlainText().contains("对不起！您没有操作该模块的权限！"));
        }
    }

    QFile chm(QDir::current().filePath("Lumaroo.chm"));
    ASSERT_TRUE(chm.open(QIODevice::WriteOnly));
    chm.close();
    window.centerHub()->press(3, 4);
    ASSERT_EQ(m_opened.size(), 1);
    EXPECT_EQ(m_opened.first().toLocalFile(), QFileInfo(chm).absoluteFilePath());
}

} // namespace
