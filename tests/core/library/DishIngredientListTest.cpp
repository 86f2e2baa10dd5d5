#include "core/library/DishIngredientList.h"

#include "LibraryTestData.h"

#include <gtest/gtest.h>

using namespace pelinor;
using namespace pelinor::test;

namespace {

class DishIngredientListTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        NutrientVector egg;
        egg[Nutrient::Energy] = 144;
        egg[Nutrient::Protein] = 13.3;
        egg[Nutrient::NicotinicAcid] = 0.2;
        m_folder.exec(CookDb,
            foodShowRow(1, 1, 10, "米饭", energyOnly(116)) + foodShowRow(2, 1, 10, "鸡蛋", egg)
                + foodShowRow(3, 2, 20, "菠菜（鲜）", energyOnly(24)) + foodShowRow(4, 2, 20, "豆腐", energyOnly(81))
                + foodShowRow(5, 2, 20, "豆", energyOnly(120)));
        m_folder.exec(GrightDb, "INSERT INTO FoodPhaseg VALUES(1,'菠菜','豆腐','',2);");
    }

    TempDataFolder m_folder;
};

} // namespace

TEST_F(DishIngredientListTest, SumsAreSinglePrecisionProductsAddedAndTakenAway)
{
    DishIngredientList list(IncompatibilityRule::EveryIngredient);
    ASSERT_TRUE(list.add("豆", "50", kMainIngredient).ok());
    EXPECT_EQ(list.sums()[0], 60.0f); // 120 kcal per 100 g at 50 g

    ASSERT_TRUE(list.add("鸡蛋", "12.4", kMinorIngredient).ok());
    const float factor = static_cast<float>(12.4f * 0.01);
    EXPECT_EQ(list.sums()[0], 60.0f + 144.0f * factor);
    EXPECT_EQ(list.sums()[1], static_cast<float>(13.3) * factor);
    EXPECT_EQ(list.sums()[27], static_cast<float>(0.2) * factor);

    list.remove(1); // the first ingredient, now second from the top
    float expected = 60.0f + 144.0f * factor;
    expected -= 60.0f;
    EXPECT_EQ(list.sums()[0], expected);

    // A food that is not in the catalogue adds nothing, but is listed and weighed.
    DishIngredientList other(IncompatibilityRule::EveryIngredient);
    ASSERT_TRUE(other.add("不存在", "30", kSeasoning).ok());
    EXPECT_EQ(other.sums()[0], 0.0f);
    EXPECT_EQ(other.rows().size(), 1u);
    EXPECT_EQ(other.totalWeight(), 30.0f);
}

TEST_F(DishIngredientListTest, SummariesFollowTheOrderOfAdditionAndTheRoles)
{
    DishIngredientList list(IncompatibilityRule::EveryIngredient);
    list.add("米饭", "200", kMainIngredient);
    list.add("鸡蛋", "50", kMinorIngredient);
    list.add("鸡蛋", "50", kMinorIngredient);
    EXPECT_EQ(list.rows().front().foodName, "鸡蛋");
    EXPECT_EQ(list.rows().back().foodName, "米饭");
    EXPECT_EQ(list.foods(), "米饭:200g；鸡蛋:50g；鸡蛋:50g；");
    EXPECT_EQ(list.minorFoods(), "鸡蛋:50g；鸡蛋:50g；");
    EXPECT_EQ(list.totalWeight(), 300.0f);

    // Removing one of two equal entries keeps the other.
    list.remove(0);
    EXPECT_EQ(list.foods(), "米饭:200g；鸡蛋:50g；");
    EXPECT_EQ(list.minorFoods(), "鸡蛋:50g；");
}

TEST_F(DishIngredientListTest, TheCheckRefusesIncompatibleFoodsByEachDialogsRule)
{
    struct Step
    {
        const char* food;
        const char* role;
    };
    struct Case
    {
        const char* what;
        IncompatibilityRule rule;
        Step first;
        Step second;
        bool refused;
    };
    const Case cases[] = {
        { "add dialog, any roles", IncompatibilityRule::EveryIngredient, { "菠菜（鲜）", kSeasoning },
            { "豆腐", kMinorIngredient }, true },
        { "add dialog, pair in the other order", IncompatibilityRule::EveryIngredient, { "豆腐", kMainIngredient },
            { "菠菜（鲜）", kMainIngredient }, true },
        { "edit dialog, both main", IncompatibilityRule::MainIngredientsOnly, { "菠菜（鲜）", kMainIngredient },
            { "豆腐", kMainIngredient }, true },
        { "edit dialog, candidate not main", IncompatibilityRule::MainIngredientsOnly,
            { "菠菜（鲜）", kMainIngredient }, { "豆腐", kMinorIngredient }, false },
        { "edit dialog, first not main", IncompatibilityRule::MainIngredientsOnly, { "菠菜（鲜）", kMinorIngredient },
            { "豆腐", kMainIngredient }, false },
        // A text test: "豆" is part of the listed "豆腐".
        { "part of a listed name", IncompatibilityRule::EveryIngredient, { "菠菜（鲜）", kMainIngredient },
            { "豆", kMainIngredient }, true },
        { "unrelated", IncompatibilityRule::EveryIngredient, { "菠菜（鲜）", kMainIngredient },
            { "米饭", kMainIngredient }, false },
    };
    for (const auto& c : cases) {
        DishIngredientList list(c.rule);
        ASSERT_TRUE(list.add(c.first.food, "100", c.first.role).ok()) << c.what;
        const auto outcome = list.add(c.second.food, "100", c.second.role);
        EXPECT_EQ(!outcome.ok(), c.refused) << c.what;
        if (c.refused) {
            EXPECT_EQ(outcome.message(), "菜谱中有两种原料相克，请重新选择");
            EXPECT_EQ(outcome.caption(), "系统提示");
            EXPECT_EQ(list.rows().size(), 1u) << c.what;
            EXPECT_EQ(list.foods(), std::string(c.first.food) + ":100g；") << c.what;
        }
    }
}

TEST_F(DishIngredientListTest, RemovingAFoodTakesItsBlockAwayButLeavesTheBlocksOfOthers)
{
    m_folder.exec(CookDb, foodShowRow(6, 2, 20, "菠菜（冻）", energyOnly(20)));
    DishIngredientList list(IncompatibilityRule::EveryIngredient);
    list.add("菠菜（鲜）", "50", kMainIngredient);
    list.add("菠菜（冻）", "50", kMainIngredient);
    EXPECT_EQ(list.incompatibleText(), "豆腐；豆腐；");

    list.remove(0);
    EXPECT_EQ(list.incompatibleText(), "豆腐；");
    EXPECT_FALSE(list.add("豆腐", "10", kMainIngredient).ok());
    list.remove(0);
    EXPECT_EQ(list.incompatibleText(), "");
    EXPECT_TRUE(list.add("豆腐", "10", kMainIngredient).ok());
    EXPECT_EQ(list.incompatibleText(), "菠菜；");
}

TEST_F(DishIngredientListTest, AStoredMainIngredientThatClashesIsListedButNotCounted)
{
    DishIngredientList list(IncompatibilityRule::MainIngredientsOnly);
    ASSERT_TRUE(list.addStored("菠菜（鲜）", "100", kMainIngredient).ok());
    const auto refused = list.addStored("豆腐", "100", kMainIngredient);
    EXPECT_EQ(refused.message(), "菜谱中有两种原料相克，请重新选择");
    ASSERT_EQ(list.rows().size(), 2u);
    EXPECT_FALSE(list.rows()[0].counted);
    EXPECT_EQ(list.foods(), "菠菜（鲜）:100g；");
    EXPECT_EQ(list.sums()[0], 24.0f);
    EXPECT_EQ(list.totalWeight(), 200.0f);

    // Removing it takes nothing from the sums it never entered.
    list.remove(0);
    EXPECT_EQ(list.sums()[0], 24.0f);
    EXPECT_EQ(list.incompatibleText(), "豆腐；");
}

TEST(DishWeightTextTest, TheChooserAcceptsDigitsAndPointsAndTheDialogsReadTheLeadingNumber)
{
    struct Case
    {
        std::string text;
        bool valid;
        float value;
    };
    const Case cases[] = {
        { "50", true, 50.0f },
        { "12.4", true, 12.4f },
        { "", true, 0.0f },
        { "1.2.3", true, 1.2f },
        { ".5", true, 0.5f },
        { ".", true, 0.0f },
        { "-5", false, -5.0f },
        { "5g", false, 5.0f },
        { " 5", false, 0.0f },
        { "１２", false, 0.0f }, // full-width digits
        { "1e3", false, 1.0f },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(isValidWeightText(c.text), c.valid) << c.text;
        EXPECT_EQ(weightOfText(c.text), c.value) << c.text;
    }
}
