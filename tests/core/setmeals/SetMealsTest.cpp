#include "core/setmeals/SetMeals.h"

#include "SetMealTestData.h"

using namespace pelinor;
using test::Rows;

namespace {

class SetMealsTest : public test::SetMealFixture
{
protected:
    // Three stored set meals, 甲 (0), 乙 (1) and 丙 (2), with two items each.
    static void storeThree(const test::TempDataFolder& folder)
    {
        folder.exec(PackageDb,
            "INSERT INTO PackageName VALUES(0,'甲','2026-01-01','小班'),(1,'乙','2026-01-02','中班'),"
            "(2,'丙','2026-01-03','大班');"
            "INSERT INTO PackageCook VALUES(0,0,'甲一','10.0','早餐','t','否','甲一:10g；'),"
            "(1,0,'甲二','20.0','午餐','t','否','甲二:20g；'),(2,1,'乙一','30.0','早餐','t','否','乙一:30g；'),"
            "(3,1,'乙二','40.0','午餐','t','否','乙二:40g；'),(4,2,'丙一','50.0','早餐','t','否','丙一:50g；'),"
            "(5,2,'丙二','60.0','午餐','t','否','丙二:60g；');");
    }
    // The items as (PcookPID, name) pairs in item-number order.
    static Rows owners()
    {
        return test::rowsOf(PackageDb, "SELECT PcookPID, PackageItemName FROM PackageCook ORDER BY PcookID");
    }
};

TEST_F(SetMealsTest, SaveIsRefusedWithoutANameOrWhileAMealTimeHasNoItem)
{
    struct Case
    {
        const char* title;
        std::vector<const char*> meals;
        const char* message;
    };
    const Case cases[] = {
        { "", { "早餐", "早点", "午餐", "午点", "晚餐" }, "请添加套餐信息！" },
        { "  ", { "早餐", "早点", "午餐", "午点", "晚餐" }, "请添加套餐信息！" },
        { "甲", { "早餐", "早点", "午餐", "晚餐" }, "请添加午点信息" },
        { "甲", { "晚餐", "午点", "早点" }, "请添加早餐信息" }, // the first missing one in meal-time order
        { "甲", { "午点", "午餐", "早点", "早餐", "午点" }, "请添加晚餐信息" },
        { "甲", { "早餐", "晚餐", "午点", "午餐" }, "请添加早点信息" },
        { "甲", {}, "请添加早餐信息" },
    };
    for (const auto& c : cases) {
        SetMeal setMeal { std::nullopt, c.title, "小班", {} };
        for (const char* meal : c.meals) {
            setMeal.items.push_back({ meal, "牛奶", "100.00", "否", "牛奶:100g；" });
        }
        const auto outcome = saveSetMeal(setMeal);
        ASSERT_FALSE(outcome.ok()) << c.message;
        EXPECT_EQ(outcome.message(), c.message);
        EXPECT_EQ(outcome.caption(), "系统提示");
    }
    EXPECT_TRUE(heads().empty());
    EXPECT_TRUE(items().empty());
}

TEST_F(SetMealsTest, ANewSetMealGetsTheNextNumbersAndItsItemsInListOrder)
{
    SetMeal spring = test::SetMealFixture::fullDay("春季", "小班；中班");
    spring.items[0].weight = "50.25"; // "%.1f" rounds like printf: 50.2, 33.4, 120.1
    spring.items[1].weight = "33.35";
    spring.items[2] = { "午餐", "二米饭", "120.06", "是", "小米:15g；大米:35g；" };
    EXPECT_EQ(nextSetMealNumber(), 0);
    const auto first = saveSetMeal(spring);
    ASSERT_TRUE(first.ok()) << first.message();
    EXPECT_EQ(first->id, 0);
    EXPECT_TRUE(first->created);
    const auto second = saveSetMeal(test::SetMealFixture::fullDay("夏季"));
    ASSERT_TRUE(second.ok());
    EXPECT_EQ(second->id, 1);

    EXPECT_EQ(heads(), (Rows { { "0", "春季", "2026-05-06", "小班；中班" }, { "1", "夏季", "2026-05-06", "小班" } }));
    const Rows stored = items();
    ASSERT_EQ(stored.size(), 10u);
    EXPECT_EQ(stored[0],
        (std::vector<std::string> {
            "0", "0", "春季早餐", "50.2", "早餐", "2026-05-06 08:09:10", "否", "春季早餐:50g；" }));
    EXPECT_EQ(stored[1][3], "33.4");
    EXPECT_EQ(stored[2],
        (std::vector<std::string> {
            "2", "0", "二米饭", "120.1", "午餐", "2026-05-06 08:09:10", "是", "小米:15g；大米:35g；" }));
    EXPECT_EQ(stored[4][2], "春季晚餐");
    EXPECT_EQ(stored[5][0], "5");
    EXPECT_EQ(stored[5][1], "1");
}

TEST_F(SetMealsTest, ASavedSetMealKeepsItsHeadAndGetsItsItemsReplaced)
{
    storeThree(m_folder);
    auto loaded = loadSetMeal(1);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->title, "乙");
    EXPECT_EQ(loaded->object, "中班");
    ASSERT_EQ(loaded->items.size(), 2u);
    EXPECT_EQ(loaded->items[1].name, "乙二");
    EXPECT_EQ(loaded->items[1].weight, "40.0");
    EXPECT_EQ(loaded->items[1].meal, "午餐");

    SetMeal changed = test::SetMealFixture::fullDay("乙");
    changed.id = 1;
    changed.object = "别的对象"; // a saved head is not rewritten
    const auto saved = saveSetMeal(changed);
    ASSERT_TRUE(saved.ok());
    EXPECT_EQ(saved->id, 1);
    EXPECT_FALSE(saved->created);
    EXPECT_EQ(heads(),
        (Rows { { "0", "甲", "2026-01-01", "小班" }, { "1", "乙", "2026-01-02", "中班" },
            { "2", "丙", "2026-01-03", "大班" } }));
    EXPECT_EQ(owners(),
        (Rows { { "0", "甲一" }, { "0", "甲二" }, { "2", "丙一" }, { "2", "丙二" }, { "1", "乙早餐" },
            { "1", "乙早点" }, { "1", "乙午餐" }, { "1", "乙午点" }, { "1", "乙晚餐" } }));
    EXPECT_EQ(items()[4][0], "6"); // new item numbers follow the largest
}

TEST_F(SetMealsTest, DeleteMovesEveryLaterSetMealDownWithItsItems)
{
    struct Case
    {
        int deleted;
        bool found;
        Rows heads;
        Rows owners;
    };
    const Case cases[] = {
        { 0, true, { { "0", "乙" }, { "1", "丙" } },
            { { "0", "乙一" }, { "0", "乙二" }, { "1", "丙一" }, { "1", "丙二" } } },
        { 1, true, { { "0", "甲" }, { "1", "丙" } },
            { { "0", "甲一" }, { "0", "甲二" }, { "1", "丙一" }, { "1", "丙二" } } },
        { 2, true, { { "0", "甲" }, { "1", "乙" } },
            { { "0", "甲一" }, { "0", "甲二" }, { "1", "乙一" }, { "1", "乙二" } } },
        { 7, false, { { "0", "甲" }, { "1", "乙" }, { "2", "丙" } },
            { { "0", "甲一" }, { "0", "甲二" }, { "1", "乙一" }, { "1", "乙二" }, { "2", "丙一" }, { "2", "丙二" } } },
    };
    for (const auto& c : cases) {
        test::TempDataFolder folder;
        storeThree(folder);
        EXPECT_EQ(deleteSetMeal(c.deleted), c.found) << c.deleted;
        EXPECT_EQ(test::rowsOf(PackageDb, "SELECT ID, PackageTitle FROM PackageName ORDER BY ID"), c.heads)
            << c.deleted;
        EXPECT_EQ(owners(), c.owners) << c.deleted;
    }
}

TEST_F(SetMealsTest, SavingAfterADeleteNeverWritesIntoTheSetMealNowCarryingTheNumber)
{
    storeThree(m_folder);
    const auto stale = loadSetMeal(0); // still on the page while 甲 is deleted
    ASSERT_TRUE(stale);
    ASSERT_TRUE(deleteSetMeal(0));
    SetMeal again = test::SetMealFixture::fullDay("甲");
    again.id = stale->id;
    const auto saved = saveSetMeal(again);
    ASSERT_TRUE(saved.ok());
    EXPECT_TRUE(saved->created);
    EXPECT_EQ(saved->id, 2);
    EXPECT_EQ(nextSetMealNumber(), 3);
    EXPECT_EQ(test::rowsOf(PackageDb, "SELECT ID, PackageTitle FROM PackageName ORDER BY ID"),
        (Rows { { "0", "乙" }, { "1", "丙" }, { "2", "甲" } }));
    const Rows stored = owners();
    EXPECT_EQ(Rows(stored.begin(), stored.begin() + 4),
        (Rows { { "0", "乙一" }, { "0", "乙二" }, { "1", "丙一" }, { "1", "丙二" } }));
    EXPECT_EQ(stored.size(), 9u);
}

TEST_F(SetMealsTest, AFailedWriteLeavesEveryRowAsItWas)
{
    struct Case
    {
        const char* trigger;
        std::optional<int> id;
        const char* message;
    };
    const Case cases[] = {
        // The third item cannot be written: the items already written and the deletion go back.
        { "CREATE TRIGGER no_item BEFORE INSERT ON PackageCook WHEN NEW.PackageItemName = '乙午餐' "
          "BEGIN SELECT RAISE(ABORT, 'disk full'); END;",
            1, "套餐详细信息保存失败！" },
        { "CREATE TRIGGER no_item BEFORE INSERT ON PackageCook WHEN NEW.PackageItemName = '乙午餐' "
          "BEGIN SELECT RAISE(ABORT, 'disk full'); END;",
            std::nullopt, "套餐详细信息保存失败！" },
        { "CREATE TRIGGER no_head BEFORE INSERT ON PackageName BEGIN SELECT RAISE(ABORT, 'disk full'); END;",
            std::nullopt, "套餐名称保存失败！" },
    };
    for (const auto& c : cases) {
        test::TempDataFolder folder;
        storeThree(folder);
        folder.exec(PackageDb, c.trigger);
        const Rows headsBefore = heads();
        const Rows itemsBefore = items();
        SetMeal setMeal = test::SetMealFixture::fullDay("乙");
        setMeal.id = c.id;
        const auto outcome = saveSetMeal(setMeal);
        ASSERT_FALSE(outcome.ok()) << c.message;
        EXPECT_EQ(outcome.message(), c.message);
        EXPECT_EQ(heads(), headsBefore) << c.message;
        EXPECT_EQ(items(), itemsBefore) << c.message;
    }
}

TEST_F(SetMealsTest, ListsAreInNumberOrderAndSearchLooksAtNameAndObject)
{
    m_folder.exec(PackageDb,
        "INSERT INTO PackageName VALUES(2,'冬季暖身','d','小班；中班'),(0,'春季营养','d','小班'),"
        "(1,'夏季清爽','d','大班');");
    const auto titles = [](const std::vector<SetMealHead>& heads) {
        std::vector<std::string> result;
        for (const auto& head : heads) {
            result.push_back(std::to_string(head.id) + head.title);
        }
        return result;
    };
    using Titles = std::vector<std::string>;
    EXPECT_EQ(titles(listSetMeals()), (Titles { "0春季营养", "1夏季清爽", "2冬季暖身" }));
    EXPECT_EQ(titles(searchSetMeals("季")), (Titles { "0春季营养", "1夏季清爽", "2冬季暖身" }));
    EXPECT_EQ(titles(searchSetMeals("小班")), (Titles { "0春季营养", "2冬季暖身" }));
    EXPECT_EQ(titles(searchSetMeals("清爽")), (Titles { "1夏季清爽" }));
    EXPECT_TRUE(searchSetMeals("秋").empty());
    EXPECT_FALSE(loadSetMeal(5));
}

} // namespace
