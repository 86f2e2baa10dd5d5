#include "core/records/GrowthEvaluation.h"

#include "core/common/ChildAge.h"
#include "core/common/KaupGrading.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace pelinor;

namespace {

TEST(GrowthEvaluationTest, AgeCountsYearsAndMonthsWithoutTheDay)
{
    struct Case
    {
        const char* birth;
        DateTime today;
        const char* text;
        int years;
    };
    const Case cases[] = {
        { "2011-09-30", { 2014, 3, 1 }, "2岁6月", 2 }, // later birth month borrows a year
        { "2011-10-05", { 2014, 3, 1 }, "2岁5月", 2 },
        { "2014-03-31", { 2014, 3, 1 }, "1月", 0 }, // born this month
        { "2012-03-01", { 2014, 3, 31 }, "2岁", 2 }, // whole years
        { "2013-08-15", { 2014, 3, 1 }, "7月", 0 },
        { "2010-11-02", { 2014, 3, 1 }, "3岁4月", 3 },
        // Months without their leading zero, as other programs write them.
        { "2011-9-30", { 2014, 3, 1 }, "2岁6月", 2 },
        { "2011-9-3", { 2014, 3, 1 }, "2岁6月", 2 },
        { "2012-1-15", { 2014, 3, 1 }, "2岁2月", 2 },
        { "2011-11-3", { 2014, 3, 1 }, "2岁4月", 2 },
    };
    for (const auto& c : cases) {
        const auto age = childAge(c.birth, c.today);
        ASSERT_TRUE(age) << c.birth;
        EXPECT_EQ(ageText(*age), c.text) << c.birth;
        EXPECT_EQ(age->years, c.years) << c.birth;
    }
    EXPECT_FALSE(childAge("", { 2014, 3, 1 }));
    EXPECT_FALSE(childAge("20xx-03-01", { 2014, 3, 1 }));
    EXPECT_FALSE(childAge("2011-x-01", { 2014, 3, 1 }));
}

TEST(GrowthEvaluationTest, StandardWeightChangesRuleAtThreeYears)
{
    EXPECT_EQ(standardWeightText(2), "11kg");
    EXPECT_EQ(standardHeightText(2), "84cm");
    EXPECT_EQ(standardWeightText(3), "14kg");
    EXPECT_EQ(standardWeightText(0), "7kg");
    EXPECT_EQ(standardHeightText(5), "105cm");
}

TEST(GrowthEvaluationTest, KaupBandsPutEdgesIntoTheHigherBand)
{
    struct Case
    {
        const char* height;
        const char* weight;
        const char* kaup;
        const char* rohrer;
        const char* evaluationStart;
    };
    const Case cases[] = {
        { "100", "15", "15.00", "150.00", "正常" },
        { "100", "21.99", "21.99", "219.90", "正常" },
        { "100", "22", "22.00", "220.00", "肥胖" },
        { "100", "14.99", "14.99", "149.90", "轻度营养不良" },
        { "100", "10", "10.00", "100.00", "轻度营养不良" },
        { "100", "9.99", "9.99", "99.90", "重度营养不良" },
        { "100", "27", "27.00", "270.00", "过度肥胖" },
        { "100", "26.99", "26.99", "269.90", "肥胖" },
        { "84", "11", "15.59", "185.59", "正常" },
    };
    for (const auto& c : cases) {
        const auto indices = bodyIndicesFromText(c.height, c.weight);
        EXPECT_EQ(indexText(indices.kaup), c.kaup) << c.weight;
        EXPECT_EQ(indexText(indices.rohrer), c.rohrer) << c.weight;
        EXPECT_TRUE(kaupEvaluationText(indices.kaup).starts_with(c.evaluationStart)) << c.weight;
    }
}

TEST(GrowthEvaluationTest, HeightZeroFallsIntoTheLastBand)
{
    const std::string& last = kaupEvaluationText(100.0f);
    EXPECT_TRUE(last.starts_with("过度肥胖"));
    EXPECT_EQ(kaupEvaluationText(bodyIndicesFromText("0", "15").kaup), last); // infinite
    EXPECT_EQ(kaupEvaluationText(bodyIndicesFromText("0", "0").kaup), last); // not a number
    EXPECT_EQ(kaupEvaluationText(bodyIndicesFromText("", "").kaup), last);
    EXPECT_EQ(kaupEvaluationText(std::numeric_limits<float>::quiet_NaN()), last);
}

TEST(GrowthEvaluationTest, DeficiencySentenceNamesEachNutrientOnce)
{
    struct Case
    {
        const char* codes;
        const char* sentence;
    };
    const Case cases[] = {
        { "", "通过临床表现：身体一切正常" },
        { "F1", "通过临床表现：缺乏能量、蛋白质、锌。" },
        { "F2；F8", "通过临床表现：缺乏铁、蛋白质、锰、锌。" },
        { "F8；F2", "通过临床表现：缺乏铁、锰、锌、蛋白质。" },
        { "F3；F4", "通过临床表现：缺乏维生素A、蛋白质。" },
        { "F5；F6；F7", "通过临床表现：缺乏维生素C、钙、维生素B族。" },
        { "F9；X", "通过临床表现：身体一切正常" },
        { "F4；", "通过临床表现：缺乏维生素A。" },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(deficiencySentence(c.codes), c.sentence) << c.codes;
    }
}

TEST(GrowthEvaluationTest, EvaluationOfAnArchiveUsesTodayAndTheStoredTexts)
{
    setProgramClock(std::make_shared<FixedClock>(DateTime { 2014, 3, 1, 9, 0, 0 }));
    ArchiveRecord child;
    child.birth = "2011-09-30";
    child.height = "84";
    child.weight = "11";
    child.lcbx = "F2；F8";
    const auto growth = evaluateGrowth(child);
    setProgramClock(nullptr);
    EXPECT_EQ(growth.ageText, "2岁6月");
    EXPECT_EQ(growth.standardWeight, "11kg");
    EXPECT_EQ(growth.standardHeight, "84cm");
    EXPECT_EQ(growth.kaup, "15.59");
    EXPECT_EQ(growth.rohrer, "185.59");
    EXPECT_TRUE(growth.evaluation.starts_with("正常"));
    EXPECT_EQ(growth.deficiency, "通过临床表现：缺乏铁、蛋白质、锰、锌。");

    child.birth = "";
    const auto unknownAge = evaluateGrowth(child);
    EXPECT_EQ(unknownAge.ageText, "");
    EXPECT_EQ(unknownAge.standardWeight, "");
}

} // namespace
