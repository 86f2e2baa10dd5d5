#include "core/library/Dishes.h"

#include "LibraryTestData.h"

#include <gtest/gtest.h>

using namespace pelinor;
using namespace pelinor::test;

namespace {

class DishesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_folder.exec(CookDb,
            foodShowRow(1, 1, 10, "米饭", energyOnly(116)) + foodShowRow(2, 1, 10, "鸡蛋")
                + foodShowRow(3, 2, 20, "菠菜") + foodShowRow(4, 2, 20, "豆腐", energyOnly(81)));
        m_folder.exec(GrightDb, "INSERT INTO FoodPhaseg VALUES(1,'菠菜','豆腐','',2);");
    }

    static DishTexts texts(const std::string& name)
    {
        return { name, "儿童主食", "介绍", "蒸", "营养", "无", "幼儿", "咸鲜", "蒸" };
    }

    TempDataFolder m_folder;
};

} // namespace

TEST_F(DishesTest, ANewDishIsWrittenWithItsRowsTopFirstAndItsWholeGramWeight)
{
    m_folder.exec(CookDb,
        "INSERT INTO CookShow(CookID,CookName,CookWeight) VALUES(4,'旧菜','100');"
        "INSERT INTO CookFood VALUES(9,4,1,'主料','100');");
    DishIngredientList list(IncompatibilityRule::EveryIngredient);
    list.add("米饭", "200", kMainIngredient);
    list.add("鸡蛋", "12.4", kMinorIngredient);
    const auto outcome = addDish(texts("蛋炒饭"), list);
    ASSERT_TRUE(outcome.ok()) << outcome.message();
    EXPECT_EQ(outcome.value(), 5);

    const Rows ingredients = { { "10", "5", "2", "辅料", "12.4" }, { "11", "5", "1", "主料", "200" } };
    EXPECT_EQ(rowsOf(CookDb, "SELECT * FROM CookFood WHERE CookFoodCID = 5 ORDER BY CookFoodID"), ingredients);
    const Rows dish = { { "5", "蛋炒饭", "儿童主食", "介绍", "米饭:200g；鸡蛋:12.4g；", "鸡蛋:12.4g；", "蒸", "",
        "营养", "无", "幼儿", "咸鲜", "蒸", "212" } };
    EXPECT_EQ(rowsOf(CookDb, "SELECT * FROM CookShow WHERE CookID = 5"), dish);
}

TEST_F(DishesTest, SavesRefuseTakenNamesAndVanishedFoodsAndWriteNothing)
{
    m_folder.exec(CookDb,
        "INSERT INTO CookShow(CookID,CookName,CookWeight) VALUES(1,'米饭','100');"
        "INSERT INTO CookShow(CookID,CookName,CookWeight) VALUES(2,'蒸蛋','50');"
        "INSERT INTO CookFood VALUES(1,2,2,'主料','50');");
    DishIngredientList list(IncompatibilityRule::EveryIngredient);
    list.add("鸡蛋", "50", kMainIngredient);

    EXPECT_EQ(addDish(texts("米饭"), list).message(), "该菜谱已经存在！");
    EXPECT_EQ(addDish(texts(""), list).message(), "菜谱名称不能为空！");
    EXPECT_EQ(saveEditedDish(2, texts("米饭"), list).message(), "该菜谱已经存在！");

    list.add("已删除的原料", "10", kSeasoning);
    const auto vanished = saveEditedDish(2, texts("蒸蛋"), list);
    EXPECT_EQ(vanished.message(), "获取原料ID失败");
    EXPECT_EQ(vanished.caption(), "系统提示");

    const Rows unchanged = { { "1", "米饭" }, { "2", "蒸蛋" } };
    EXPECT_EQ(rowsOf(CookDb, "SELECT CookID, CookName FROM CookShow ORDER BY CookID"), unchanged);
    EXPECT_EQ(rowsOf(CookDb, "SELECT * FROM CookFood").size(), 1u);
}

TEST_F(DishesTest, AnEditLoadsByTheEditRuleAndReplacesTheDishUnderItsIdentifier)
{
    m_folder.exec(CookDb,
        "INSERT INTO CookShow VALUES(7,'菠菜豆腐汤','儿童汤','i','x','y','煮','','v','t','s','淡',"
        "'煮',150);"
        "INSERT INTO CookFood VALUES(1,7,3,'主料','100');"
        "INSERT INTO CookFood VALUES(2,7,4,'主料','50');"
        "INSERT INTO CookFood VALUES(3,7,99,'调料','2');");
    auto dish = loadDish("7");
    ASSERT_TRUE(dish);
    EXPECT_EQ(dish->texts.name, "菠菜豆腐汤");
    EXPECT_EQ(dish->texts.taste, "淡");
    ASSERT_EQ(dish->refusals.size(), 1u);
    EXPECT_EQ(dish->refusals[0].message, "菜谱中有两种原料相克，请重新选择");
    // Rows come in query order, each on top: the vanished food is on top, nameless and uncounted.
    const auto& rows = dish->ingredients.rows();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].foodName, "");
    EXPECT_EQ(rows[1].foodName, "豆腐");
    EXPECT_FALSE(rows[1].counted);
    EXPECT_EQ(dish->ingredients.foods(), "菠菜:100g；");
    EXPECT_EQ(dish->ingredients.sums()[0], 0.0f);

    // The vanished food must go before the dish can be saved.
    EXPECT_EQ(saveEditedDish(dish->cookId, dish->texts, dish->ingredients).message(), "获取原料ID失败");
    dish->ingredients.remove(0);
    dish->ingredients.remove(0);
    dish->ingredients.add("豆腐", "50", kMinorIngredient);
    dish->texts.name = "菠菜汤";
    ASSERT_TRUE(saveEditedDish(dish->cookId, dish->texts, dish->ingredients).ok());

    const Rows shown = { { "7", "菠菜汤", "菠菜:100g；豆腐:50g；", "豆腐:50g；", "150" } };
    EXPECT_EQ(rowsOf(CookDb, "SELECT CookID, CookName, CookFoods, CookMinorFoods, CookWeight FROM CookShow"), shown);
    EXPECT_EQ(rowsOf(CookDb, "SELECT CookFoodCID, CookFoodFID, CookFoodRole FROM CookFood ORDER BY CookFoodID"),
        (Rows { { "7", "4", "辅料" }, { "7", "3", "主料" } }));
    EXPECT_FALSE(loadDish("8"));
}

TEST_F(DishesTest, TheListShowsDishesWhoseNameAndCategoryContainTheFilter)
{
    m_folder.exec(CookDb,
        "INSERT INTO CookShow(CookID,CookName,CookCategory,CookFoods,CookWeight) VALUES"
        "(1,'儿童蛋羹','蒸菜','鸡蛋:50g；',50),"
        "(2,'番茄炒蛋','儿童热菜','',120),"
        "(3,'红烧肉','热菜','',200),"
        "(4,'小儿','童餐','',80);");
    auto ids = [](const std::string& filter) {
        std::string result;
        for (const auto& row : listDishes(filter)) {
            result += row.id;
        }
        return result;
    };
    EXPECT_EQ(ids(kFirstDishFilter), "421"); // "小儿" + "童餐" contains "儿童" too
    EXPECT_EQ(ids("热菜"), "32");
    EXPECT_EQ(ids(""), "4321");
    const auto first = listDishes("蛋羹");
    ASSERT_EQ(first.size(), 1u);
    EXPECT_EQ(first[0].weight, "50");
    EXPECT_EQ(first[0].foods, "鸡蛋:50g；");
}

TEST_F(DishesTest, DeletingRemovesTheDishAndOnlyItsIngredients)
{
    m_folder.exec(CookDb,
        "INSERT INTO CookShow(CookID,CookName,CookWeight) VALUES(1,'米饭','100'),(2,'米饭','80');"
        "INSERT INTO CookFood VALUES(1,1,1,'主料','100');"
        "INSERT INTO CookFood VALUES(2,2,1,'主料','80');");
    deleteDish(2);
    EXPECT_EQ(rowsOf(CookDb, "SELECT CookID FROM CookShow"), (Rows { { "1" } }));
    EXPECT_EQ(rowsOf(CookDb, "SELECT CookFoodID FROM CookFood"), (Rows { { "1" } }));
}
