// Names that only look different (blanks around them, an ideographic space, an invisible character)
// are the same name, and a name of blanks alone is no name: for foods, categories, dishes and
// accounts alike.
#include "LibraryTestData.h"
#include "core/admin/Accounts.h"
#include "core/common/NameText.h"
#include "core/library/DishCategories.h"
#include "core/library/Dishes.h"
#include "core/library/FoodCatalog.h"
#include "core/library/FoodCategories.h"

#include <gtest/gtest.h>

using namespace pelinor;
using namespace pelinor::test;

namespace {

// Each spelling of 大米 that a user cannot tell from it, and each name that shows nothing.
const char* const kLookAlikes[]
    = { " 大米", "大米 ", "大米\u3000", "\u3000大米", "大\u200B米", "\t大米\n", "\uFEFF大米", "大米\u200D" };
const char* const kBlanks[] = { " ", "   ", "\t", "\u3000", "\u200B", " \u3000\u200B " };

class LookAlikeNamesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_folder.exec(CookDb,
            "INSERT INTO FoodType VALUES(1,0,'谷类');"
            "INSERT INTO FoodType VALUES(10,1,'大米');"
            "INSERT INTO FoodType VALUES(11,1,'糙米');"
            "INSERT INTO CookType VALUES(1,0,'儿童菜谱');"
            "INSERT INTO CookType VALUES(10,1,'大米');"
            "INSERT INTO CookType VALUES(11,1,'糙米');"
            "INSERT INTO CookShow(CookID,CookName,CookWeight) VALUES(1,'大米','100');"
                + foodShowRow(1, 1, 10, "大米") + foodShowRow(2, 1, 10, "小米"));
    }

    static FoodForm food(const std::string& name)
    {
        FoodForm form;
        form.topId = 1;
        form.subCategoryName = "大米";
        form.name = name;
        return form;
    }

    static AccountForm account(const std::string& user)
    {
        AccountForm form;
        form.userName = user;
        form.roleName = Accounts::kBuiltInRole;
        form.state = Accounts::kEnabled;
        form.password = "pw";
        form.confirmation = "pw";
        return form;
    }

    // Every attempt to store `name` under each kind of record, with the refusal it got.
    static std::vector<std::pair<std::string, std::string>> attempts(const std::string& name)
    {
        const auto leaf = loadFoodCategory("糙米", "谷类");
        const auto dishLeaf = loadDishCategory("糙米", "儿童菜谱");
        const auto millet = loadFood("小米");
        DishIngredientList noIngredients(IncompatibilityRule::EveryIngredient);
        DishTexts dish;
        dish.name = name;
        return {
            { "add food", addFood(food(name)).message() },
            { "edit food", saveEditedFood(*millet, food(name)).message() },
            { "add food category", addFoodCategory("谷类", name).message() },
            { "edit food category", saveFoodCategory(*leaf, 1, name).message() },
            { "add dish category", addDishCategory("儿童菜谱", name).message() },
            { "edit dish category", saveDishCategory(*dishLeaf, "儿童菜谱", name).message() },
            { "add dish", addDish(dish, noIngredients).message() },
        };
    }

    TempDataFolder m_folder { DataFolderContent::FirstRows };
};

} // namespace

TEST(NameTextTest, BlanksAtTheEndsAndInvisibleCharactersGo)
{
    for (const char* lookAlike : kLookAlikes) {
        EXPECT_EQ(cleanName(lookAlike), "大米") << lookAlike;
    }
    for (const char* blank : kBlanks) {
        EXPECT_EQ(cleanName(blank), "") << blank;
    }
    // Blanks inside a name are part of it.
    EXPECT_EQ(cleanName(" 大 米 "), "大 米");
    EXPECT_EQ(cleanName("Tom's 班"), "Tom's 班");
}

TEST_F(LookAlikeNamesTest, ALookAlikeOfATakenNameIsTakenToo)
{
    const Rows foodsBefore = rowsOf(CookDb, "SELECT * FROM FoodShow");
    const Rows typesBefore = rowsOf(CookDb, "SELECT * FROM FoodType UNION ALL SELECT * FROM CookType");
    const std::vector<std::pair<std::string, std::string>> expected = {
        { "add food", "该原料已经存在！" },
        { "edit food", "该原料已经存在！" },
        { "add food category", "该类别已经存在！" },
        { "edit food category", "该类别已经存在！" },
        { "add dish category", "该类别已经存在！" },
        { "edit dish category", "该类别已经存在！" },
        { "add dish", "该菜谱已经存在！" },
    };
    for (const char* lookAlike : kLookAlikes) {
        EXPECT_EQ(attempts(lookAlike), expected) << lookAlike;
    }
    for (const char* lookAlike : { " admin", "admin ", "admin\u3000", "ad\u200Bmin", "\tadmin" }) {
        EXPECT_EQ(Accounts::save(account(lookAlike), "admin", "2026-01-01").message(), Accounts::kUserNameTaken)
            << lookAlike;
    }
    // The edits above renamed nothing: 小米 and both 糙米 categories are as they were.
    EXPECT_EQ(rowsOf(CookDb, "SELECT * FROM FoodShow"), foodsBefore);
    EXPECT_EQ(rowsOf(CookDb, "SELECT * FROM FoodType UNION ALL SELECT * FROM CookType"), typesBefore);
    EXPECT_EQ(rowsOf(CookDb, "SELECT CookName FROM CookShow"), (Rows { { "大米" } }));
}

TEST_F(LookAlikeNamesTest, ANameOfBlanksAloneIsNoName)
{
    const std::vector<std::pair<std::string, std::string>> expected = {
        { "add food", "原料名称不能为空！" },
        { "edit food", "原料名称不能为空！" },
        { "add food category", "添加类别不能为空" },
        { "edit food category", "类别不能为空！" },
        { "add dish category", "类别不能为空！" },
        { "edit dish category", "类别不能为空！" },
        { "add dish", "菜谱名称不能为空！" },
    };
    for (const char* blank : kBlanks) {
        EXPECT_EQ(attempts(blank), expected) << blank;
        // A blank account with the super-administrator's role would let anyone in.
        EXPECT_EQ(Accounts::save(account(blank), "admin", "2026-01-01").message(), "营养师登录帐号不能为空！");
    }
    EXPECT_EQ(rowsOf(SysManagerDb, "SELECT ManageUser FROM Management"), (Rows { { "admin" } }));
}

TEST_F(LookAlikeNamesTest, AFoodNameMayNotHoldTheSeparatorsOfCompositionTexts)
{
    // "鸡蛋；大米:80g；" would read back as 80 g of 大米.
    for (const char* name : { "鸡蛋；大米", "大米:80g", "蛋；", ":" }) {
        EXPECT_EQ(addFood(food(name)).message(), "原料名称不能含有“；”或“:”") << name;
        EXPECT_EQ(saveEditedFood(*loadFood("小米"), food(name)).message(), "原料名称不能含有“；”或“:”") << name;
    }
    EXPECT_EQ(rowsOf(CookDb, "SELECT FoodName FROM FoodShow ORDER BY FoodID"), (Rows { { "大米" }, { "小米" } }));
    // A name written cleanly is stored cleanly.
    ASSERT_TRUE(addFood(food(" 黑米\u3000")).ok());
    EXPECT_EQ(rowsOf(CookDb, "SELECT FoodName FROM FoodShow WHERE FoodID = 3"), (Rows { { "黑米" } }));
}
