#include "core/library/FoodRelations.h"

#include "LibraryTestData.h"
#include "core/db/DatabaseConnection.h"

#include <gtest/gtest.h>

using namespace pelinor;
using namespace pelinor::test;

TEST(FoodBaseNameTest, CutsAtTheFirstFullWidthParenthesisElseAtTheFirstBracket)
{
    struct Case
    {
        std::string name;
        std::string base;
    };
    const Case cases[] = {
        { "大米（粳）", "大米" },
        { "猪肉[肥瘦]", "猪肉" },
        { "牛肉[里脊]（鲜）", "牛肉[里脊]" }, // "（" wins even when "[" comes first
        { "豆腐（南）（北）", "豆腐" },
        { "菠菜", "菠菜" },
        { "米粉(干)", "米粉(干)" }, // an ASCII parenthesis is no cut
        { "（鲜）", "" },
        { "", "" },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(foodBaseName(c.name), c.base) << c.name;
    }
}

class FoodRelationsTest : public ::testing::Test
{
protected:
    Rows barterRows()
    {
        return rowsOf(GrightDb, "SELECT * FROM FoodBarter ORDER BY BarterID");
    }

    TempDataFolder m_folder;
};

TEST_F(FoodRelationsTest, LoadingJoinsTheSubjectsRowsWithBars)
{
    m_folder.exec(GrightDb,
        "INSERT INTO FoodBarter VALUES(1,'豆腐','鱼','补钙',2);"
        "INSERT INTO FoodBarter VALUES(2,'豆腐','萝卜','',2);"
        "INSERT INTO FoodBarter VALUES(3,'鱼','豆腐','stored under the other food',2);");
    DatabaseConnection gright(GrightDb);
    const auto loaded = loadFoodRelations(gright, FoodRelation::GoesWell, "豆腐");
    EXPECT_EQ(loaded.others, "鱼|萝卜");
    EXPECT_EQ(loaded.descriptions, "补钙|");

    const auto none = loadFoodRelations(gright, FoodRelation::Incompatible, "豆腐");
    EXPECT_EQ(none.others, "");
    EXPECT_EQ(none.descriptions, "");
}

TEST_F(FoodRelationsTest, SavingSplitsPairsOnBarsAndFillsMissingDescriptionsWithNothing)
{
    DatabaseConnection gright(GrightDb);
    saveFoodRelations(gright, FoodRelation::GoesWell, "豆腐", "鱼|萝卜||", "补钙");
    const Rows expected = {
        { "1", "豆腐", "鱼", "补钙", "2" },
        { "2", "豆腐", "萝卜", "", "2" },
    };
    EXPECT_EQ(barterRows(), expected);

    saveFoodRelations(gright, FoodRelation::GoesWell, "豆腐", "", "ignored without foods");
    EXPECT_EQ(barterRows(), expected);
}

TEST_F(FoodRelationsTest, APairStoredEitherWayOnlyGetsItsDescriptionUpdated)
{
    m_folder.exec(GrightDb,
        "INSERT INTO FoodPhaseg VALUES(7,'菠菜','豆腐','old',2);"
        "INSERT INTO FoodPhaseg VALUES(9,'豆腐','蜂蜜','old too',2);");
    DatabaseConnection gright(GrightDb);
    saveFoodRelations(gright, FoodRelation::Incompatible, "豆腐", "菠菜|蜂蜜|葱", "影响钙吸收|腹泻|生成草酸钙");
    const Rows expected = {
        { "7", "菠菜", "豆腐", "影响钙吸收", "2" },
        { "9", "豆腐", "蜂蜜", "腹泻", "2" },
        { "10", "豆腐", "葱", "生成草酸钙", "2" },
    };
    EXPECT_EQ(rowsOf(GrightDb, "SELECT * FROM FoodPhaseg ORDER BY PhasegID"), expected);
    EXPECT_TRUE(barterRows().empty());
}

TEST_F(FoodRelationsTest, NamesWithApostrophesAreStoredAndFoundLikeAnyOther)
{
    DatabaseConnection gright(GrightDb);
    saveFoodRelations(gright, FoodRelation::GoesWell, "O'Neil's 奶酪", "Tom's 面包", "it's fine");
    saveFoodRelations(gright, FoodRelation::GoesWell, "Tom's 面包", "O'Neil's 奶酪", "found");
    const Rows expected = { { "1", "O'Neil's 奶酪", "Tom's 面包", "found", "2" } };
    EXPECT_EQ(barterRows(), expected);
}
