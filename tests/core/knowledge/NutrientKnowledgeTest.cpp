#include "core/knowledge/NutrientKnowledge.h"

#include "TempDataFolder.h"
#include "core/db/DatabaseCatalog.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace pelinor;

namespace {

class NutrientKnowledgeTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // Stored out of order: the tree follows the numbers, not the rows.
        m_folder.exec(NutrientDb,
            "INSERT INTO NutrientType VALUES(2, '矿物质'), (1, '宏量营养素');"
            "INSERT INTO NutrientShow VALUES(3, 1, '脂肪', '', '脂肪概述', '', '', '脂肪过量', '脂肪缺乏', ''),"
            "(1, 1, '蛋白质', 'Protein', '蛋白质概述', '肉&nbsp;蛋&nbsp;奶', '每天30克', '过量：肾脏负担', "
            "'缺乏：&nbsp;生长迟缓', '儿童'),"
            "(2, 2, '钙', '', NULL, NULL, NULL, NULL, NULL, NULL),"
            "(9, 2, '蛋白质', '', '第二行', '', '', '', '', '');");
    }
    test::TempDataFolder m_folder;
};

TEST_F(NutrientKnowledgeTest, TheTreeListsCategoriesAndNutrientsByNumber)
{
    const auto categories = nutrientCategories();
    ASSERT_EQ(categories.size(), 2u);
    EXPECT_EQ(categories[0].name, "宏量营养素");
    EXPECT_EQ(categories[0].nutrients, (std::vector<std::string> { "蛋白质", "脂肪" }));
    EXPECT_EQ(categories[1].name, "矿物质");
    EXPECT_EQ(categories[1].nutrients, (std::vector<std::string> { "钙", "蛋白质" }));
}

TEST_F(NutrientKnowledgeTest, ANutrientShowsItsSixTextsWithBlanksForNbsp)
{
    const auto protein = describeNutrient("蛋白质");
    ASSERT_TRUE(protein);
    EXPECT_EQ(protein->overview, "蛋白质概述"); // the first row of the name
    EXPECT_EQ(protein->sources, "肉  蛋  奶");
    EXPECT_EQ(protein->intake, "每天30克");
    EXPECT_EQ(protein->excess, "过量：肾脏负担");
    EXPECT_EQ(protein->deficiency, "缺乏：  生长迟缓");
    EXPECT_EQ(protein->suitableFor, "儿童");
    EXPECT_EQ(describeNutrient("钙")->overview, ""); // NULL
    EXPECT_FALSE(describeNutrient("宏量营养素")); // a category is no nutrient
    EXPECT_FALSE(describeNutrient("营养素类别"));
}

TEST_F(NutrientKnowledgeTest, SymptomsFollowThePercentageOfTheReference)
{
    struct Case
    {
        float percentage;
        const char* text;
    };
    const Case cases[] = {
        { 100.0f, "缺乏：  生长迟缓" },
        { 100.1f, "过量：肾脏负担" },
        { 12.5f, "缺乏：  生长迟缓" },
        { std::numeric_limits<float>::infinity(), "过量：肾脏负担" },
        { std::numeric_limits<float>::quiet_NaN(), "缺乏：  生长迟缓" },
    };
    for (const Case& c : cases) {
        EXPECT_EQ(symptomText("蛋白质", c.percentage), c.text) << c.percentage;
    }
    EXPECT_EQ(symptomText("钙", 150.0f), "");
    EXPECT_FALSE(symptomText("维生素K", 50.0f));
}

} // namespace
