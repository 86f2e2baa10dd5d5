#include "core/setmeals/MealTimeDishes.h"

#include "SetMealTestData.h"
#include "core/db/DatabaseConnection.h"

using namespace pelinor;
using test::Rows;

namespace {

using MealTimeDishesTest = test::SetMealFixture;

Rows cxcRows()
{
    return test::rowsOf(CookDb, "SELECT * FROM CXC ORDER BY rowid");
}

TEST_F(MealTimeDishesTest, IdsStartAtOneAndFollowTheLargest)
{
    DatabaseConnection cook(CookDb);
    EXPECT_EQ(NewCxcId(cook), 1);
    m_folder.exec(CookDb,
        "INSERT INTO CXC VALUES(3,'早餐','a','1','否'),(10,'午餐','b','1','否'),(NULL,'午餐','c','1','否'),"
        "(9,'早点','d','1','否');");
    EXPECT_EQ(NewCxcId(cook), 11); // 10 > 9 as numbers
}

TEST_F(MealTimeDishesTest, AnItemGoesUnderThePagesMealTimeWithItsDishFlag)
{
    struct Case
    {
        const char* pageMeal;
        ChosenItem chosen;
        std::vector<std::string> row;
    };
    const Case cases[] = {
        { "早点", { "香蕉", "80", "香蕉:80g；", "原料", "晚餐" }, { "1", "早点", "香蕉", "80", "否" } },
        { "午餐", { "清炒菠菜", "77.5", "菠菜:70.00g；", "菜谱", "早餐" }, { "2", "午餐", "清炒菠菜", "77.5", "是" } },
        { "晚餐", { "自制粥", " 45 ", "大米:45g；", "菜谱", "" }, { "3", "晚餐", "自制粥", "45", "是" } },
    };
    for (const auto& c : cases) {
        const auto outcome = addMealTimeItem(c.pageMeal, c.chosen);
        ASSERT_TRUE(outcome.ok()) << outcome.message();
        EXPECT_EQ(*outcome, std::stoi(c.row[0]));
        EXPECT_EQ(cxcRows().back(), c.row);
    }
    // A weight that is not a plain number would end up in a plan's composition.
    for (const char* weight : { "5；大米:100", "", "abc", "-3" }) {
        const auto outcome = addMealTimeItem("早餐", { "香蕉", weight, "", "原料", "" });
        EXPECT_EQ(outcome.message(), "输入的重量不合法！") << weight;
    }
    EXPECT_EQ(cxcRows().size(), 3u);
}

TEST_F(MealTimeDishesTest, ListsShowTheLastStoredRowFirstAndEditAndDeleteGoByRowNumber)
{
    m_folder.exec(CookDb,
        "INSERT INTO CXC VALUES(5,'早点','牛奶','200','否'),(2,'早点','牛奶','150','否'),"
        "(9,'午餐','米饭','100','是'),(7,'早点','香蕉','80','否');");
    const auto names = [](const std::string& meal) {
        std::vector<std::string> result;
        for (const auto& item : mealTimeItems(meal)) {
            result.push_back(std::to_string(item.id) + item.name + item.weight + item.isDish);
        }
        return result;
    };
    using Lines = std::vector<std::string>;
    EXPECT_EQ(names("早点"), (Lines { "7香蕉80否", "2牛奶150否", "5牛奶200否" }));
    EXPECT_EQ(names("午餐"), (Lines { "9米饭100是" }));
    EXPECT_TRUE(names("晚餐").empty());

    ASSERT_TRUE(editMealTimeItemWeight(2, "180.5").ok());
    EXPECT_EQ(names("早点"), (Lines { "7香蕉80否", "2牛奶180.5否", "5牛奶200否" }));
    for (const char* weight : { "5；大米:100", "", "1.2.3" }) {
        EXPECT_EQ(editMealTimeItemWeight(5, weight).message(), "输入的重量不合法！") << weight;
    }
    deleteMealTimeItem(5);
    EXPECT_EQ(names("早点"), (Lines { "7香蕉80否", "2牛奶180.5否" }));
    EXPECT_EQ(names("午餐"), (Lines { "9米饭100是" }));
}

} // namespace
