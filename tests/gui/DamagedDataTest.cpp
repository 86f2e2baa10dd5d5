// A data file that becomes unreadable while the program runs (damaged, emptied, or held by another
// program) must cost the user an error message, never the program.
#include "GuiTestSupport.h"
#include "core/db/DatabaseCatalog.h"
#include "gui/shell/CCenterDlg.h"
#include "gui/shell/CHubPage.h"
#include "gui/shell/CLeftDlg.h"
#include "gui/shell/CLumarooDlg.h"
#include "gui/widgets/CPictureButton.h"

#include <QTest>
#include <gtest/gtest.h>
#include <vector>

using namespace pelinor;

namespace {

struct DamageCase
{
    int file;
    test::Damage damage;
};

// Presses every button of the navigation bar, every button of each hub's strip and every module
// button of the home page (help aside: it opens a window of its own).
void pressEveryNavigationButton(CLumarooDlg& window)
{
    const std::pair<CLeftDlg::Target, PageId> hubs[] = {
        { CLeftDlg::Information, PageId::InfoHub },
        { CLeftDlg::Recipes, PageId::RecipeHub },
        { CLeftDlg::Settings, PageId::SettingsHub },
    };
    for (int target = 0; target < CLeftDlg::TargetCount; ++target) {
        QTest::mouseClick(window.navigationBar()->button(static_cast<CLeftDlg::Target>(target)), Qt::LeftButton);
    }
    for (const auto& [navigation, hubId] : hubs) {
        QTest::mouseClick(window.navigationBar()->button(navigation), Qt::LeftButton);
        CHubPage* hub = window.hub(hubId);
        for (const auto& button : hub->buttons()) {
            QTest::mouseClick(hub->button(button.target), Qt::LeftButton);
        }
    }
    const auto& entries = CCenterDlg::entries();
    for (int index = 0; index < entries.size(); ++index) {
        if (entries.at(index).action == CCenterDlg::Action::OpenHelp) {
            continue;
        }
        QTest::mouseClick(window.navigationBar()->button(CLeftDlg::Home), Qt::LeftButton);
        QTest::mouseClick(window.centerHub()->button(index / 4 + 1, index % 4 + 1), Qt::LeftButton);
    }
}

class DamagedDataTest : public test::GuiTest, public ::testing::WithParamInterface<DamageCase>
{
protected:
    DamagedDataTest()
        : test::GuiTest(DataFolderContent::Demo)
    {
    }
};

TEST_P(DamagedDataTest, EveryScreenShowsTheErrorAndTheProgramCarriesOn)
{
    test::logInAs("admin", "vanto");
    test::damage(GetParam().file, GetParam().damage);
    test::ModalDismisser dismisser;

    CLumarooDlg window;
    window.show();
    pressEveryNavigationButton(window);
    // Twice: pages that failed to load once try again and fail again just as gently.
    pressEveryNavigationButton(window);

    // The layer's message under the application's title: surely for the files the main window and
    // its lists read, never for the reserved ones nobody reads.
    bool errorShown = false;
    for (const auto& prompt : m_prompts->prompts()) {
        errorShown = errorShown || prompt.caption == "Pelinor";
    }
    const int file = GetParam().file;
    if (file == SysManagerDb || file == CookDb || file == RecordDb) {
        EXPECT_TRUE(errorShown);
    }
    if (file == KnowledgesDb || file == SportsDb || file == ReviewDb || file == EvaluationDb) {
        EXPECT_FALSE(errorShown) << m_prompts->lastText().toStdString();
    }
    QTest::mouseClick(window.navigationBar()->button(CLeftDlg::Home), Qt::LeftButton);
    EXPECT_EQ(window.currentPage(), PageId::CenterHub);
}

std::vector<DamageCase> everyFileDamagedEachWay()
{
    std::vector<DamageCase> cases;
    for (int file = kFirstDatabaseId; file <= kLastDatabaseId; ++file) {
        cases.push_back({ file, test::Damage::RandomBytes });
        cases.push_back({ file, test::Damage::TablesGone });
    }
    return cases;
}

std::string caseName(const ::testing::TestParamInfo<DamageCase>& info)
{
    std::string name = databaseFileName(info.param.file);
    std::erase_if(name, [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); });
    return name + (info.param.damage == test::Damage::RandomBytes ? "RandomBytes" : "TablesGone");
}

INSTANTIATE_TEST_SUITE_P(EveryFile, DamagedDataTest, ::testing::ValuesIn(everyFileDamagedEachWay()), caseName);

} // namespace
