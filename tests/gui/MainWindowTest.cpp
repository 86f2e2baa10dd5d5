#include "GuiTestSupport.h"
#include "gui/shell/CAboutDlg.h"
#include "gui/shell/CLumarooDlg.h"
#include "gui/shell/MainWindowLayout.h"
#include "gui/widgets/CAnchorLayout.h"
#include "gui/widgets/CPictureButton.h"

#include <QLabel>
#include <QStackedWidget>
#include <gtest/gtest.h>

using namespace pelinor;

namespace {

TEST(MainWindowLayoutTest, PartsFollowTheClientSize)
{
    const struct
    {
        QSize client;
        QRect navigation, content, bottom, title;
    } cases[] = {
        { { 1100, 720 }, { 0, 122, 200, 568 }, { 200, 122, 899, 568 }, { 0, 690, 1099, 30 }, { 754, 0, 346, 122 } },
        { { 900, 600 }, { 0, 122, 200, 448 }, { 200, 122, 699, 448 }, { 0, 570, 899, 30 }, { 554, 0, 346, 122 } },
    };
    for (const auto& c : cases) {
        const MainWindowLayout layout = MainWindowLayout::forClient(c.client);
        EXPECT_EQ(layout.navigation, c.navigation);
        EXPECT_EQ(layout.content, c.content);
        EXPECT_EQ(layout.bottom, c.bottom);
        EXPECT_EQ(layout.title, c.title);
    }
}

TEST(AnchorLayoutTest, MovesAndGrowsByItsPercentages)
{
    const QRect first(100, 50, 40, 20);
    const QSize parent(400, 300);
    const struct
    {
        CAnchorLayout::Percentages p;
        QSize now;
        QRect expected;
    } cases[] = {
        { { 100, 0, 0, 0 }, { 500, 300 }, { 200, 50, 40, 20 } },
        { { 0, 0, 0, 0 }, { 500, 400 }, first },
        { { 50, 50, 50, 50 }, { 433, 333 }, { 116, 66, 56, 36 } }, // integer division
        { { 0, 100, 100, 0 }, { 350, 250 }, { 100, 0, -10, 20 } },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CAnchorLayout::anchored(first, parent, c.now, c.p), c.expected);
    }
}

TEST(MainWindowTest, CaptionButtonsKeepTheirDistanceToTheRightEdge)
{
    test::GuiFixture gui;
    test::logInAs("admin", "vanto");
    CLumarooDlg window;
    window.show();
    auto* close = window.findChild<CPictureButton*>("closeButton");
    auto* maximise = window.findChild<CPictureButton*>("maximiseButton");
    auto* minimise = window.findChild<CPictureButton*>("minimiseButton");
    ASSERT_TRUE(close && maximise && minimise);
    EXPECT_LT(maximise->x(), close->x());
    EXPECT_LT(minimise->x(), maximise->x());
    const int gap = window.width() - close->geometry().right();
    for (const QSize size : { QSize(1000, 700), QSize(1280, 800), QSize(950, 650) }) {
        window.resize(size);
        EXPECT_EQ(window.width() - close->geometry().right(), gap);
        EXPECT_EQ(close->y(), 6);
        const MainWindowLayout expected = MainWindowLayout::forClient(size);
        EXPECT_EQ(window.findChild<QStackedWidget*>("contentArea")->geometry(), expected.content);
    }
}

TEST(MainWindowTest, MaximiseTogglesBetweenWorkAreaAndFirstRectangle)
{
    test::GuiFixture gui;
    test::logInAs("admin", "vanto");
    CLumarooDlg window;
    window.show();
    QApplication::processEvents();
    const QRect first = window.geometry();
    window.toggleMaximise();
    EXPECT_TRUE(window.isMaximisedBySkin());
    window.toggleMaximise();
    EXPECT_FALSE(window.isMaximisedBySkin());
    EXPECT_EQ(window.geometry(), first);
    EXPECT_EQ(window.windowTitle(), "Pelinor");
}

TEST(MainWindowTest, AboutBoxShowsTheVersionLine)
{
    CAboutDlg about;
    EXPECT_EQ(about.windowTitle(), "关于 Lumaroo");
    EXPECT_EQ(about.findChild<QLabel*>("versionLabel")->text(), "Lumaroo，1.0 版");
}

} // namespace
