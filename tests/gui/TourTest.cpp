#include "GuiTestSupport.h"
#include "gui/app/TourRunner.h"
#include "gui/navigation/PageRegistry.h"

#include <QDir>
#include <QImage>
#include <gtest/gtest.h>

using namespace pelinor;

namespace {

TEST(TourTest, SavesAPictureOfTheLoginAndOfEveryStep)
{
    test::GuiFixture gui;
    test::TempDirectory pictures;
    const QString folder = QString::fromStdString(pictures.path()) + "/tour";
    ASSERT_EQ(runTour(folder), 0);
    QStringList expected { "login" };
    for (const TourStep& step : tourSteps()) {
        expected << step.name;
    }
    for (const QString& name : expected) {
        const QImage picture(QDir(folder).filePath(name + ".png"));
        EXPECT_FALSE(picture.isNull()) << name.toStdString();
    }
    const QImage home(QDir(folder).filePath("main-home.png"));
    EXPECT_EQ(home.size(), QSize(1100, 720));
    EXPECT_TRUE(gui.prompts->texts().isEmpty());
}

TEST(TourTest, RefusesAFolderWithoutTheAdministrator)
{
    test::GuiFixture gui(DataFolderContent::TablesOnly);
    test::TempDirectory pictures;
    EXPECT_EQ(runTour(QString::fromStdString(pictures.path())), 1);
}

} // namespace
