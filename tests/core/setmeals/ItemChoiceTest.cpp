#include "core/setmeals/ItemChoice.h"

#include "SetMealTestData.h"
#include "core/setmeals/ChooserFoods.h"
#include "core/setmeals/DishItemLines.h"
#include "core/setmeals/ItemWeight.h"
#include "core/setmeals/SetMealItems.h"

using namespace pelinor;
using test::Rows;

namespace {

class ItemChoiceTest : public test::SetMealFixture
{
protected:
    void SetUp() override
    {
        test::SetMealFixture::SetUp();
        m_folder.exec(CookDb,
            test::foodShowRow(1, 1, 11, "大米") + test::foodShowRow(2, 1, 11, "小米")
                + test::foodShowRow(3, 9, 91, "盐")
                + "INSERT INTO CookShow(CookID, CookName, CookWeight) VALUES(4, '儿童粥', 41);"
                  "INSERT INTO CookFood VALUES(6, 4, 1, '主料', '30'), (7, 4, 2, '主料', '10'), (8, 4, 3, '调料', "
                  "'1');");
    }
};

TEST(ItemWeightTest, OnlyPlainNumbersAreWeights)
{
    struct Case
    {
        const char* text;
        const char* weight; // nullptr: refused
    };
    const Case cases[] = {
        { "120", "120" },
        { " 80.5 ", "80.5" },
        { ".5", ".5" },
        { "0", "0" },
        { "", nullptr },
        { "5；大米:100", nullptr },
        { "-3", nullptr },
        { "+3", nullptr },
        { "1e3", nullptr },
        { "1.2.3", nullptr },
        { ".", nullptr },
        { "12 3", nullptr },
        { "１２", nullptr }, // full-width digits
        { "inf", nullptr },
    };
    for (const auto& c : cases) {
        const auto outcome = checkedWeight(c.text);
        if (c.weight) {
            ASSERT_TRUE(outcome.ok()) << c.text;
            EXPECT_EQ(*outcome, c.weight);
        } else {
            EXPECT_EQ(outcome.message(), "输入的重量不合法！") << c.text;
        }
    }
    EXPECT_EQ(gramsText(50.0f), "50");
    EXPECT_EQ(gramsText(42.5f), "42.50");
}

TEST_F(ItemChoiceTest, TheDishAndFoodPagesHandBackTheirItems)
{
    struct Case
    {
        bool dish;
        const char* name;
        const char* weight;
        const char* message; // empty: chosen
        const char* composition;
    };
    const Case cases[] = {
        // 30 × 82 / 41 and 10 × 82 / 41; the salt counts in the total only
        { true, "儿童粥", "82", "", "大米:60.00g；小米:20.00g；" },
        { true, "儿童粥", "50", "", "大米:36.59g；小米:12.20g；" },
        { true, "儿童粥", "", "请输入重量！", "" },
        { true, "儿童粥", "5；大米:100", "输入的重量不合法！", "" },
        { true, "", "50", "请选择菜谱", "" },
        { false, "香蕉", "120", "", "香蕉:120g；" },
        { false, "香蕉", " ", "请输入重量！", "" },
        { false, "香蕉", "12g", "输入的重量不合法！", "" },
        { false, "", "120", "请选择原料", "" },
    };
    for (const auto& c : cases) {
        const auto outcome = c.dish ? chooseDishItem(c.name, c.weight) : chooseFoodItem(c.name, c.weight);
        EXPECT_EQ(outcome.message(), c.message) << c.name << c.weight;
        if (outcome.ok()) {
            EXPECT_EQ(outcome->name, c.name);
            EXPECT_EQ(outcome->weight, c.weight);
            EXPECT_EQ(outcome->composition, c.composition);
            EXPECT_EQ(outcome->kind, c.dish ? "菜谱" : "原料");
        }
    }
}

TEST_F(ItemChoiceTest, AnOwnDishIsStoredWholeOrNotAtAll)
{
    const Rows dishesBefore = test::rowsOf(CookDb, "SELECT CookID, CookName FROM CookShow ORDER BY rowid");
    const Rows rowsBefore = test::rowsOf(CookDb, "SELECT * FROM CookFood ORDER BY rowid");
    struct Case
    {
        const char* name;
        std::vector<OwnDishFood> foods;
        const char* message;
    };
    const Case cases[] = {
        { "", { { "大米", "30" } }, "请输入食谱名称！" },
        { "自制粥", {}, "该菜谱中没有原料！" },
        { "儿童粥", { { "大米", "30" } }, "该菜谱已经存在！" },
        { "自制粥", { { "大米", "30" }, { "小米", "1；盐:5" } }, "输入的重量不合法！" },
        { "自制粥", { { "大米", "30" }, { "没有的米", "5" } }, "获取原料ID失败" },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(storeOwnDish(c.name, c.foods).message(), c.message);
    }
    EXPECT_EQ(test::rowsOf(CookDb, "SELECT CookID, CookName FROM CookShow ORDER BY rowid"), dishesBefore);
    EXPECT_EQ(test::rowsOf(CookDb, "SELECT * FROM CookFood ORDER BY rowid"), rowsBefore);

    const auto stored = storeOwnDish("自制粥", { { "小米", "12.5" }, { "大米", "30" } });
    ASSERT_TRUE(stored.ok()) << stored.message();
    EXPECT_EQ(stored->name, "自制粥");
    EXPECT_EQ(stored->weight, "42.50");
    EXPECT_EQ(stored->composition, "小米:12.5g；大米:30g；");
    EXPECT_EQ(stored->kind, "菜谱");
    EXPECT_EQ(test::rowsOf(CookDb, "SELECT CookID, CookName, CookWeight FROM CookShow WHERE CookName = '自制粥'"),
        (Rows { { "5", "自制粥", "42.5" } }));
    EXPECT_EQ(test::rowsOf(CookDb, "SELECT * FROM CookFood WHERE CookFoodCID = 5 ORDER BY rowid"),
        (Rows { { "9", "5", "2", "主料", "12.5" }, { "10", "5", "1", "主料", "30" } }));
    // The same name again is refused: dishes are found by name.
    EXPECT_EQ(storeOwnDish("自制粥", { { "大米", "10" } }).message(), "该菜谱已经存在！");
}

TEST(DishItemLinesTest, EditsAddTheirDifferenceToTheTotalAndRebuildTheComposition)
{
    struct Case
    {
        const char* composition;
        std::vector<std::string> lines; // name=weight
    };
    const Case cases[] = {
        { "大米:36.59g；小米:12.20g；", { "大米=36.59", "小米=12.20" } },
        { "", {} },
        { "香蕉:80g；；", { "香蕉=80" } },
        { "盐:1；蛋", { "盐=1", "蛋=" } },
    };
    for (const auto& c : cases) {
        std::vector<std::string> lines;
        for (const auto& line : compositionLines(c.composition)) {
            lines.push_back(line.foodName + "=" + line.weight);
        }
        EXPECT_EQ(lines, c.lines) << c.composition;
    }

    DishItemLines dish("50.00", "大米:30g；小米:20g；");
    ASSERT_TRUE(dish.add("盐", "0.5").ok());
    EXPECT_EQ(dish.totalText(), "50.50");
    ASSERT_TRUE(dish.changeWeight(0, "35").ok());
    EXPECT_EQ(dish.totalText(), "55.50");
    EXPECT_EQ(dish.changeWeight(0, "5；盐:9").message(), "输入的重量不合法！");
    EXPECT_EQ(dish.add("糖", "").message(), "输入的重量不合法！");
    dish.remove(1);
    EXPECT_EQ(dish.totalText(), "35.50");
    EXPECT_EQ(dish.composition(), "大米:35g；盐:0.5g；");
    EXPECT_FLOAT_EQ(dish.total(), 35.5f);
}

TEST(SetMealItemsTest, ChosenAndEditedItemsBecomePageLines)
{
    const auto line = [](const SetMealItem& item) {
        return item.meal + "|" + item.name + "|" + item.weight + "|" + item.isDish + "|" + item.composition;
    };
    EXPECT_EQ(line(setMealItemOf({ "香蕉", "80", "香蕉:80g；", "原料", "早点" })), "早点|香蕉|80.00|否|香蕉:80g；");
    EXPECT_EQ(line(setMealItemOf({ "儿童粥", "33.335", "大米:24.39g；", "菜谱", "早餐" })),
        "早餐|儿童粥|33.34|是|大米:24.39g；");

    // A banana changed from 80 g to 120 g carries 120 g in its composition too.
    const SetMealItem banana { "早点", "香蕉", "80.00", "否", "香蕉:80g；" };
    const auto edited = editedFood("香蕉", "120", "午点");
    ASSERT_TRUE(edited.ok());
    EXPECT_EQ(line(editedSetMealItem(banana, *edited)), "午点|香蕉|120.00|否|香蕉:120g；");
    EXPECT_EQ(editedFood("香蕉", "1；大米:100", "午点").message(), "输入的重量不合法！");
    // Without a meal time the item keeps its own.
    EXPECT_EQ(line(editedSetMealItem(banana, { "90.5", "香蕉:90.5g；", "" })), "早点|香蕉|90.50|否|香蕉:90.5g；");
}

} // namespace

namespace {

TEST(ChooserFoodsTest, ACategoryIsListedByItsNumber)
{
    test::TempDataFolder folder;
    // Two second-level categories named "其他" under different parents.
    folder.exec(CookDb,
        "INSERT INTO FoodType VALUES(1,0,'谷类'),(2,0,'蔬菜'),(22,1,'稻米'),(23,1,'其他'),(24,2,'其他');"
            + test::foodShowRow(5, 1, 23, "燕麦") + test::foodShowRow(3, 1, 22, "大米")
            + test::foodShowRow(4, 1, 22, "糯米") + test::foodShowRow(6, 2, 24, "芦笋"));
    const auto names = [](const std::vector<FoodListRow>& rows) {
        std::vector<std::string> result;
        for (const auto& row : rows) {
            result.push_back(row.name);
        }
        return result;
    };
    using Names = std::vector<std::string>;
    EXPECT_EQ(names(foodsOfTopCategory(1)), (Names { "燕麦", "糯米", "大米" })); // the largest number first
    EXPECT_EQ(names(foodsOfTopCategory(2)), (Names { "芦笋" }));
    EXPECT_EQ(names(foodsUnderTopCategory(1)), (Names { "大米", "糯米", "燕麦" })); // category by category
    EXPECT_EQ(names(foodsUnderTopCategory(2)), (Names { "芦笋" }));
    EXPECT_TRUE(foodsUnderTopCategory(22).empty());
}

} // namespace
