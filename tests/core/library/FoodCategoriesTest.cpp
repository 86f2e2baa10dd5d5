#include "core/library/FoodCategories.h"

#include "LibraryTestData.h"

#include <gtest/gtest.h>

using namespace pelinor;
using namespace pelinor::test;

namespace {

class FoodCategoriesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // "其他" appears under both top-level categories, as in the real catalogue.
        m_folder.exec(CookDb,
            "INSERT INTO FoodType VALUES(1,0,'谷类');"
            "INSERT INTO FoodType VALUES(2,0,'蔬菜类');"
            "INSERT INTO FoodType VALUES(3,0,'空类');"
            "INSERT INTO FoodType VALUES(10,1,'米类');"
            "INSERT INTO FoodType VALUES(11,1,'其他');"
            "INSERT INTO FoodType VALUES(20,2,'其他');"
            "INSERT INTO FoodType VALUES(21,2,'叶菜');");
    }

    static Rows types()
    {
        return rowsOf(CookDb, "SELECT * FROM FoodType ORDER BY FoodTypeID");
    }

    TempDataFolder m_folder;
};

} // namespace

TEST_F(FoodCategoriesTest, TheTreeHoldsTopLevelCategoriesWithTheirChildren)
{
    const auto tree = foodCategoryTree();
    ASSERT_EQ(tree.size(), 3u);
    EXPECT_EQ(tree[1].top.name, "蔬菜类");
    ASSERT_EQ(tree[1].children.size(), 2u);
    EXPECT_EQ(tree[1].children[1].name, "叶菜");
    EXPECT_TRUE(tree[2].children.empty());
}

TEST_F(FoodCategoriesTest, AddingRefusesEmptyAndTakenNames)
{
    struct Case
    {
        std::string parent;
        std::string name;
        std::string message;
    };
    const Case cases[] = {
        { "谷类", "", "添加类别不能为空" }, { "谷类", "米类", "该类别已经存在！" }, { "", "面类", "请选择上级类别！" },
        { "米类", "糙米", "请选择上级类别！" }, // a second-level category is no parent
    };
    const Rows before = types();
    for (const auto& c : cases) {
        EXPECT_EQ(addFoodCategory(c.parent, c.name).message(), c.message) << c.parent << "/" << c.name;
    }
    EXPECT_EQ(types(), before);

    const auto added = addFoodCategory("蔬菜类", "米类");
    ASSERT_TRUE(added.ok());
    EXPECT_EQ(added.value(), 22);
    EXPECT_EQ(types().back(), (std::vector<std::string> { "22", "2", "米类" }));
}

TEST_F(FoodCategoriesTest, EditsRenameTopLevelCategoriesAndMoveSecondLevelOnesWithTheirFoods)
{
    m_folder.exec(CookDb, foodShowRow(1, 2, 21, "菠菜") + foodShowRow(2, 2, 20, "蘑菇"));

    const auto top = loadFoodCategory("蔬菜类", "原料类别");
    ASSERT_TRUE(top);
    ASSERT_TRUE(saveFoodCategory(*top, 0, "蔬菜").ok());
    EXPECT_EQ(types()[1], (std::vector<std::string> { "2", "0", "蔬菜" }));

    // The second "其他" is the one under 蔬菜, not the first row of that name.
    const auto other = loadFoodCategory("其他", "蔬菜");
    ASSERT_TRUE(other);
    EXPECT_EQ(other->id, 20);
    ASSERT_TRUE(saveFoodCategory(*other, 3, "菌类").ok());
    EXPECT_EQ(types()[5], (std::vector<std::string> { "20", "3", "菌类" }));
    EXPECT_EQ(rowsOf(CookDb, "SELECT FoodName, FoodBigTypeID FROM FoodShow ORDER BY FoodID"),
        (Rows { { "菠菜", "2" }, { "蘑菇", "3" } }));
}

TEST_F(FoodCategoriesTest, EditsRefuseNamesThatWouldMakeTwoCategoriesOneOrNone)
{
    const auto leaf = loadFoodCategory("叶菜", "蔬菜类");
    ASSERT_TRUE(leaf);
    const auto top = loadFoodCategory("谷类", "原料类别");
    ASSERT_TRUE(top);
    const Rows before = types();
    EXPECT_EQ(saveFoodCategory(*leaf, 2, "其他").message(), "该类别已经存在！");
    EXPECT_EQ(saveFoodCategory(*leaf, 2, "").message(), "类别不能为空！");
    // A parent that is not (or no longer) a top-level category.
    EXPECT_EQ(saveFoodCategory(*leaf, 4, "叶菜").message(), "请选择上级类别！");
    EXPECT_EQ(saveFoodCategory(*leaf, 10, "叶菜").message(), "请选择上级类别！");
    EXPECT_EQ(saveFoodCategory(*leaf, 0, "叶菜").message(), "请选择上级类别！");
    EXPECT_EQ(saveFoodCategory(*top, -1, "蔬菜类").message(), "该类别已经存在！");
    EXPECT_EQ(types(), before);
    EXPECT_TRUE(saveFoodCategory(*leaf, 2, "叶菜").ok()); // its own name is no clash
    EXPECT_TRUE(saveFoodCategory(*leaf, 3, "其他").ok()); // nor a name used under another parent
}

TEST_F(FoodCategoriesTest, DeletionIsRefusedWhileTheCategoryHoldsAnything)
{
    m_folder.exec(CookDb, foodShowRow(1, 1, 11, "玉米"));
    struct Case
    {
        std::string name;
        std::string parent;
        bool allowed;
    };
    const Case cases[] = {
        { "谷类", "原料类别", false }, // has second-level categories
        { "其他", "谷类", false }, // holds a food
        { "其他", "蔬菜类", true }, // the empty namesake
        { "空类", "原料类别", true },
        { "不存在", "谷类", false },
    };
    for (const auto& c : cases) {
        const auto outcome = checkFoodCategoryDeletion(c.name, c.parent);
        EXPECT_EQ(outcome.ok(), c.allowed) << c.parent << "/" << c.name;
        if (!c.allowed) {
            EXPECT_EQ(outcome.message(), "选中类别包含子项目数据，请先删除各子项目数据！");
            EXPECT_EQ(outcome.caption(), "系统提示");
        }
    }

    const auto check = checkFoodCategoryDeletion("其他", "蔬菜类");
    deleteFoodCategory(check.value(), "其他");
    EXPECT_EQ(rowsOf(CookDb, "SELECT FoodTypeID FROM FoodType WHERE FoodTypeName = '其他'"), (Rows { { "11" } }));
}
