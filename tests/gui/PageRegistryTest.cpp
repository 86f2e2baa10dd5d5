#include "gui/navigation/PageRegistry.h"

#include "GuiTestSupport.h"
#include "gui/shell/CCenterDlg.h"
#include "gui/shell/CHubPage.h"
#include "gui/shell/CLeftDlg.h"
#include "gui/shell/CLumarooDlg.h"
#include "gui/widgets/CPictureButton.h"

#include <gtest/gtest.h>

using namespace pelinor;

namespace {

const QString kNoPermission = QStringLiteral("对不起！您没有操作该模块的权限！");

// The buttons as the navigation rules give them, written down here independently of the
// registrations: hub, strip position, home tile (row by row from 0), permission code and where the
// page is reloaded before it is shown.
struct ExpectedButton
{
    PageId page;
    PageId hub;
    int strip;
    int tile; // -1: no home tile
    const char* code; // "": free
    bool refreshFromHome;
    bool refreshFromHub;
};

const ExpectedButton kButtons[] = {
    { PageId::Health, PageId::InfoHub, 0, 6, "C21", true, true },
    { PageId::Immunisation, PageId::InfoHub, 1, 7, "C22", true, true },
    { PageId::Classes, PageId::InfoHub, 2, 5, "C24", false, true },
    { PageId::Attendance, PageId::InfoHub, 3, 4, "C23", true, true },
    { PageId::PurchaseList, PageId::InfoHub, 4, -1, "", false, true },
    { PageId::Foods, PageId::RecipeHub, 0, 0, "C31", true, false },
    { PageId::Dishes, PageId::RecipeHub, 1, 1, "C32", true, false },
    { PageId::SetMeals, PageId::RecipeHub, 2, 2, "C33", false, false },
    { PageId::MealTimeDishes, PageId::RecipeHub, 3, -1, "", false, false },
    { PageId::Accounts, PageId::SettingsHub, 0, -1, "C41", false, false },
    { PageId::Roles, PageId::SettingsHub, 1, 10, "C42", false, false },
    { PageId::Backup, PageId::SettingsHub, 2, 9, "C43", true, true },
    { PageId::PasswordChange, PageId::SettingsHub, 3, 8, "C44", false, false },
    { PageId::Knowledge, PageId::CenterHub, -1, 3, "", false, false },
};

int navigationTargetOf(PageId hub)
{
    return hub == PageId::InfoHub  ? CLeftDlg::Information
        : hub == PageId::RecipeHub ? CLeftDlg::Recipes
                                   : CLeftDlg::Settings;
}

class PageRegistryTest : public test::GuiTest
{
protected:
    void SetUp() override
    {
        m_folder.exec(SysManagerDb,
            "INSERT INTO ManageRolse VALUES(1,'访客','');"
                + test::accountRow(1, "guest", "pw", "2026-02-01", "访客", "启用", "访客", ""));
    }
};

TEST_F(PageRegistryTest, EveryPageIsRegisteredExactlyOnceWithItsTitleAndClass)
{
    for (PageId page : allPageIds()) {
        const int id = static_cast<int>(page);
        EXPECT_EQ(PageRegistry::count(page), 1) << id;
        const PageRegistration* row = PageRegistry::find(page);
        ASSERT_NE(row, nullptr) << id;
        EXPECT_FALSE(row->title.isEmpty()) << id;
        EXPECT_TRUE(row->className.startsWith('C')) << id;
        // Hub pages are numbered in their hub's hundred; the others belong to a page of the
        // navigation bar.
        const int hundred = id / 100;
        if (hundred >= 2) {
            EXPECT_TRUE(row->inHub()) << id;
            EXPECT_EQ(static_cast<int>(row->hub), hundred) << id;
        } else {
            EXPECT_FALSE(row->inHub()) << id;
        }
    }
    for (const PageRegistration& row : PageRegistry::rows()) {
        EXPECT_TRUE(allPageIds().contains(row.id)) << static_cast<int>(row.id);
    }
    EXPECT_EQ(PageRegistry::rows().size(), static_cast<size_t>(allPageIds().size()));
    // Each numbered page by its number, and the pages of the archive and plan lists light their
    // button of the navigation bar.
    for (int number = 0; number <= 13; ++number) {
        EXPECT_EQ(pageWithNumber(number).has_value(), number != 6 && number != 8) << number;
    }
    for (PageId page : { PageId::ArchiveEntry, PageId::ArchiveDisplay }) {
        EXPECT_EQ(PageRegistry::find(page)->hub, PageId::ArchiveList);
    }
    for (PageId page : { PageId::PlanSetup, PageId::MenuView, PageId::Analysis, PageId::PlanEditor }) {
        EXPECT_EQ(PageRegistry::find(page)->hub, PageId::PlanList);
    }
}

TEST_F(PageRegistryTest, TheButtonsOfHubsAndHomePageAreTheRegisteredPagesWithTheirCodes)
{
    test::logInAs("admin", "vanto");
    CLumarooDlg window;
    for (PageId hub : { PageId::InfoHub, PageId::RecipeHub, PageId::SettingsHub }) {
        QList<CHubPage::Button> expected;
        for (const auto& b : kButtons) {
            if (b.hub == hub) {
                expected.append(
                    { b.page, QString::fromUtf8(b.code), PageRegistry::find(b.page)->picture, b.refreshFromHub });
            }
        }
        const QList<CHubPage::Button>& buttons = window.hub(hub)->buttons();
        ASSERT_EQ(buttons.size(), expected.size()) << static_cast<int>(hub);
        for (int i = 0; i < buttons.size(); ++i) {
            EXPECT_EQ(buttons[i].target, expected[i].target) << i;
            EXPECT_EQ(buttons[i].permission, expected[i].permission) << i;
            EXPECT_EQ(buttons[i].refreshTarget, expected[i].refreshTarget) << i;
            EXPECT_FALSE(buttons[i].symbol.isEmpty());
        }
    }

    const QList<CCenterDlg::Entry>& tiles = CCenterDlg::entries();
    ASSERT_EQ(tiles.size(), 12);
    for (const auto& b : kButtons) {
        if (b.tile < 0) {
            continue;
        }
        const CCenterDlg::Entry& tile = tiles.at(b.tile);
        EXPECT_EQ(tile.target, b.page) << b.tile;
        EXPECT_EQ(tile.action, CCenterDlg::Action::OpenPage);
        EXPECT_EQ(tile.permission, QString::fromUtf8(b.code)) << b.tile;
        EXPECT_EQ(tile.refreshTarget, b.refreshFromHome) << b.tile;
        EXPECT_EQ(tile.caption, pageTitle(b.page));
    }
    EXPECT_EQ(tiles.at(11).action, CCenterDlg::Action::OpenHelp);
    EXPECT_TRUE(tiles.at(11).permission.isEmpty());
}

TEST_F(PageRegistryTest, ARoleWithOnlyOnePagesCodeOpensThatPageAndEveryOtherGuardedPageRefuses)
{
    test::logInAs("guest", "pw");
    for (const auto& granted : kButtons) {
        if (QString::fromUtf8(granted.code).isEmpty()) {
            continue;
        }
        m_folder.exec(SysManagerDb,
            std::string("UPDATE ManageRolse SET RolseContain = '") + granted.code + "' WHERE RolseID = 1;");
        CLumarooDlg window;
        for (const auto& target : kButtons) {
            if (QString::fromUtf8(target.code).isEmpty()) {
                continue;
            }
            const bool opens = target.page == granted.page;
            const std::string what = std::string(granted.code) + " -> " + pageClassName(target.page).toStdString();

            // Its button in its hub's strip.
            window.navigate(navigationTargetOf(target.hub));
            m_prompts->clear();
            window.hub(target.hub)->button(target.page)->click();
            EXPECT_EQ(window.currentPage(), opens ? target.page : welcomePageOf(target.hub)) << what;
            EXPECT_EQ(m_prompts->texts(), opens ? QStringList() : QStringList { kNoPermission }) << what;
            if (!opens) {
                EXPECT_EQ(m_prompts->lastCaption(), QStringLiteral("Pelinor"));
            }

            // Its tile on the home page.
            if (target.tile >= 0) {
                window.navigate(CLeftDlg::Home);
                m_prompts->clear();
                window.centerHub()->button(target.tile / 4 + 1, target.tile % 4 + 1)->click();
                EXPECT_EQ(window.currentPage(), opens ? target.page : PageId::CenterHub) << what << " (home)";
                EXPECT_EQ(m_prompts->texts(), opens ? QStringList() : QStringList { kNoPermission }) << what;
            }
        }
    }
}

} // namespace
