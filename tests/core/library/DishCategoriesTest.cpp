#include "core/library/DishCategories.h"

#include "LibraryTestData.h"

#include <gtest/gtest.h>

using namespace pelinor;
using namespace pelinor::test;

namespace {

class DishCategoriesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_folder.exec(CookDb,
            "INSERT INTO CookType VALUES(1,0,'儿童菜谱');"
            "INSERT INTO CookType VALUES(2,0,'家常菜');"
            "INSERT INTO CookType VALUES(3,0,'点心');"
            "INSERT INTO CookType VALUES(10,1,'汤');"
            "INSERT INTO CookType VALUES(11,1,'粥');"
            "INSERT INTO CookType VALUES(20,2,'汤');"
            "INSERT INTO CookShow(CookID,CookName,CookCategory,CookWeight) "
            "VALUES(1,'小米粥','儿童粥品',100);");
    }

    static Rows types()
    {
        return rowsOf(CookDb, "SELECT * FROM CookType ORDER BY CookTypeID");
    }

    TempDataFolder m_folder;
};

} // namespace

TEST_F(DishCategoriesTest, AddingRefusesEmptyAndTakenNames)
{
    const Rows before = types();
    EXPECT_EQ(addDishCategory("儿童菜谱", "").message(), "类别不能为空！");
    EXPECT_EQ(addDishCategory("儿童菜谱", "汤").message(), "该类别已经存在！");
    EXPECT_EQ(addDishCategory("汤", "鱼汤").message(), "请选择上级类别！");
    EXPECT_EQ(types(), before);

    const auto added = addDishCategory("点心", "O'Brien's 饼");
    ASSERT_TRUE(added.ok());
    EXPECT_EQ(types().back(), (std::vector<std::string> { "21", "3", "O'Brien's 饼" }));
    EXPECT_EQ(dishCategoryTree()[2].children.size(), 1u);
}

TEST_F(DishCategoriesTest, EditsRenameOrMoveTheCategoryOfTheSelectedItem)
{
    const auto soup = loadDishCategory("汤", "家常菜");
    ASSERT_TRUE(soup);
    EXPECT_EQ(soup->id, 20);
    EXPECT_EQ(saveDishCategory(*soup, "儿童菜谱", "汤").message(), "该类别已经存在！");
    EXPECT_EQ(saveDishCategory(*soup, "儿童菜谱", "").message(), "类别不能为空！");
    ASSERT_TRUE(saveDishCategory(*soup, "点心", "甜汤").ok());
    EXPECT_EQ(types()[5], (std::vector<std::string> { "20", "3", "甜汤" }));

    const auto top = loadDishCategory("家常菜", "菜谱类别");
    ASSERT_TRUE(top);
    EXPECT_EQ(saveDishCategory(*top, "", "点心").message(), "该类别已经存在！");
    ASSERT_TRUE(saveDishCategory(*top, "", "家常").ok());
    EXPECT_EQ(types()[1], (std::vector<std::string> { "2", "0", "家常" }));
    // Dishes name their category as text and are left alone.
    EXPECT_EQ(rowsOf(CookDb, "SELECT CookCategory FROM CookShow"), (Rows { { "儿童粥品" } }));
}

TEST_F(DishCategoriesTest, DeletionIsRefusedWhileSubcategoriesOrDishTextsHoldTheCategory)
{
    struct Case
    {
        std::string name;
        std::string parent;
        bool allowed;
    };
    const Case cases[] = {
        { "儿童菜谱", "菜谱类别", false }, // has second-level categories
        { "粥", "儿童菜谱", false }, // part of the dish category text "儿童粥品"
        { "汤", "家常菜", true },
        { "点心", "菜谱类别", true },
        { "没有", "点心", false },
    };
    for (const auto& c : cases) {
        const auto outcome = checkDishCategoryDeletion(c.name, c.parent);
        EXPECT_EQ(outcome.ok(), c.allowed) << c.parent << "/" << c.name;
        if (!c.allowed) {
            EXPECT_EQ(outcome.message(), "选中类别包含子项目数据，请先删除各子项目数据！");
            EXPECT_EQ(outcome.caption(), "系统提示");
        }
    }
    const auto check = checkDishCategoryDeletion("汤", "家常菜");
    deleteDishCategory(check.value(), "汤");
    EXPECT_EQ(rowsOf(CookDb, "SELECT CookTypeID FROM CookType WHERE CookTypeName = '汤'"), (Rows { { "10" } }));
}
