#include "AnalysisDayFixture.h"

#include <sstream>

using namespace pelinor;
using pelinor::test::AnalysisDayTest;
using pelinor::test::DayRow;

namespace {

std::vector<std::string> words(const std::string& text)
{
    std::istringstream in(text);
    std::vector<std::string> result;
    for (std::string word; in >> word;) {
        result.push_back(word);
    }
    return result;
}

const char* const kAllGroups = "谷薯类、蔬菜类、水果类、畜禽肉类、蛋类、鱼虾类、豆类及制品、乳类及制品、油脂";

} // namespace

TEST_F(AnalysisDayTest, ContentTableGroupsTheRowsByMealAndTotalsThem)
{
    // Expected amounts: value × 0.01 × grams in single precision, summed per dish, then the dishes.
    // The rice's fibre, 0.35 × 0.01 × 230, is 0.80 in single precision (0.81 in double).
    struct Expected
    {
        const char* meal;
        const char* name;
        const char* weight;
        const char* amounts;
    };
    const Expected expected[] = {
        { "早餐", "牛奶", "200",
            "100.00 6.00 6.40 6.80 0.00 208.00 146.00 3.88 0.60 0.00 0.84 0.04 22.00 218.00 0.00 0.08 0.80 0.20 0.00 "
            "0.42" },
        { "早点", "苹果", "100",
            "50.00 0.20 0.20 13.50 1.20 4.00 12.00 0.12 0.60 0.03 0.19 0.06 4.00 119.00 0.00 0.04 0.00 0.00 12.50 "
            "2.12" },
        { "午餐", "土豆烧肉", "160",
            "255.00 12.15 13.29 17.95 0.70 12.20 136.00 5.53 2.59 0.19 1.91 0.19 35.70 494.60 0.00 0.41 0.35 3.75 "
            "0.00 4.72" },
        { "午餐", "米饭", "230",
            "345.00 5.98 0.69 59.57 0.80 16.10 142.60 0.92 2.99 1.33 2.12 0.14 34.50 69.00 0.00 0.07 0.00 4.37 0.00 "
            "0.00" },
        { "午点", "鸡蛋羹", "110",
            "75.00 6.65 4.40 1.40 0.00 28.00 65.00 7.17 1.00 0.02 0.55 0.08 5.00 77.00 0.00 0.09 0.50 0.10 0.00 0.92" },
        { "晚餐", "青菜豆腐", "200",
            "75.00 6.30 2.30 6.15 1.85 217.00 113.50 2.90 3.80 0.64 1.32 0.25 40.50 329.50 990.00 0.18 0.00 1.15 "
            "37.50 2.40" },
        { "总合", "", "1000.00",
            "900.00 37.28 27.28 105.37 4.55 485.30 615.10 20.52 11.58 2.21 6.93 0.76 141.70 1307.10 990.00 0.85 1.65 "
            "9.57 50.00 10.58" },
    };
    const NutrientContent content = analyse().content;
    ASSERT_EQ(content.rows.size(), std::size(expected));
    for (std::size_t r = 0; r < std::size(expected); ++r) {
        const ContentRow& row = content.rows[r];
        EXPECT_EQ(row.cells[0], expected[r].meal) << r;
        EXPECT_EQ(row.cells[1], expected[r].name) << r;
        EXPECT_EQ(row.cells[2], expected[r].weight) << r;
        const std::vector<std::string> amounts(row.cells.begin() + 3, row.cells.end());
        EXPECT_EQ(amounts, words(expected[r].amounts)) << expected[r].name;
        const CellColour colour = r + 1 == std::size(expected) ? CellColour::Blue : CellColour::Black;
        EXPECT_EQ(row.colours[0], colour) << r;
        EXPECT_EQ(row.colours[1], CellColour::Black) << r;
        EXPECT_EQ(row.colours[22], colour) << r;
    }
    EXPECT_TRUE(content.totals().total);
    EXPECT_EQ(kContentHeaders[13], "锌(ug)");
}

TEST_F(AnalysisDayTest, RowsOfAMealTimeKeepTheirOrderAndUnknownMealsComeLast)
{
    replaceDay({ { "加餐", "酸奶", "牛奶:10g；", "10" }, { "午餐", "甲", "", "1" }, { "早餐", "乙", "", "1" },
        { "午点", "丙", "", "1" }, { "早餐", "丁", "", "1" }, { "晚餐", "戊", "", "1" } });
    std::vector<std::string> names;
    for (const ContentRow& row : analyse().content.rows) {
        names.push_back(row.name.empty() ? row.meal : row.name);
    }
    EXPECT_EQ(names, (std::vector<std::string> { "乙", "丁", "甲", "丙", "戊", "酸奶", "总合" }));
}

TEST_F(AnalysisDayTest, ComparisonColoursTheActualAgainstTheReference)
{
    struct Expected
    {
        const char* name;
        const char* reference;
        const char* actual;
        CellColour colour;
        const char* percent;
    };
    // Energy is exactly 90 % and sodium exactly 110 % of the reference: both stay black.
    const Expected expected[] = {
        { "能量", "1000.00", "900.00", CellColour::Black, "90.00%" },
        { "碘", "90.00", "17.40", CellColour::Blue, "19.33%" },
        { "钙", "800.00", "485.30", CellColour::Blue, "60.66%" },
        { "铜", "0.40", "0.76", CellColour::Red, "189.50%" },
        { "蛋白质", "30.00", "37.28", CellColour::Red, "124.27%" },
        { "维生素B6", "0.70", "0.85", CellColour::Red, "122.00%" },
        { "锌", "5.50", "6.93", CellColour::Red, "125.98%" },
        { "钠", "900.00", "990.00", CellColour::Black, "110.00%" },
        { "脂肪", "40.00", "27.28", CellColour::Blue, "68.20%" },
        { "维生素12", "1.20", "1.65", CellColour::Red, "137.50%" },
        { "铁", "10.00", "11.58", CellColour::Red, "115.80%" },
        { "磷", "350.00", "615.10", CellColour::Red, "175.74%" },
        { "碳水化合物", "150.00", "105.37", CellColour::Blue, "70.25%" },
        { "维生素C", "50.00", "50.00", CellColour::Black, "100.00%" },
        { "钾", "1200.00", "1307.10", CellColour::Black, "108.92%" },
        { "硒", "30.00", "20.52", CellColour::Blue, "68.42%" },
        { "维生素A", "360.00", "610.00", CellColour::Red, "169.44%" },
        { "维生素E", "7.00", "10.58", CellColour::Red, "151.16%" },
        { "镁", "160.00", "141.70", CellColour::Blue, "88.56%" },
        { "锰", "2.00", "2.21", CellColour::Red, "110.60%" },
    };
    const StandardComparison comparison = analyse().comparison;
    for (std::size_t s = 0; s < std::size(expected); ++s) {
        const ComparisonCell& cell = comparison.cells[s];
        EXPECT_EQ(cell.name, expected[s].name);
        EXPECT_EQ(cell.referenceText, expected[s].reference) << cell.name;
        EXPECT_EQ(cell.actualText, expected[s].actual) << cell.name;
        EXPECT_EQ(cell.colour, expected[s].colour) << cell.name;
        EXPECT_EQ(cell.percentText, expected[s].percent) << cell.name;
    }
    EXPECT_EQ(StandardComparison::rowOf(13), 3);
    EXPECT_EQ(StandardComparison::valueColumnOf(13), 3);
    EXPECT_EQ(comparison.boys, 0);
    EXPECT_EQ(comparison.girls, 1);
}

TEST_F(AnalysisDayTest, ComparisonEdgesAndMissingReferences)
{
    struct Case
    {
        const char* lunch; // the first lunch row's composition
        const char* dinner;
        CellColour energy;
        CellColour sodium;
    };
    const Case cases[] = {
        { "猪肉:50g；土豆:100g；花生油:10g；", "青菜:150g；豆腐:50g；", CellColour::Black, CellColour::Black },
        { "猪肉:50g；土豆:100g；花生油:9.9g；", "青菜:150g；豆腐:50g；", CellColour::Blue, CellColour::Black },
        { "猪肉:50g；土豆:100g；花生油:10g；", "青菜:150.1g；豆腐:50g；", CellColour::Black, CellColour::Red },
    };
    for (const Case& c : cases) {
        auto day = baseDay();
        day[0].composition = c.lunch;
        day[5].composition = c.dinner;
        replaceDay(day);
        const StandardComparison comparison = analyse().comparison;
        EXPECT_EQ(comparison.cells[0].colour, c.energy) << c.lunch;
        EXPECT_EQ(comparison.cells[7].colour, c.sodium) << c.dinner;
    }

    // Counted from 2025 the girl is four, and there is no row for four-year-old girls: every
    // reference is 0, an amount above it is red, and no percentage can be shown.
    replaceDay(baseDay());
    const StandardComparison none = AnalysePlanDay(kGirlPlan, "一天", 2025).comparison;
    EXPECT_EQ(none.girls, 0);
    EXPECT_EQ(none.cells[0].referenceText, "0.00");
    EXPECT_EQ(none.cells[0].colour, CellColour::Red);
    EXPECT_EQ(none.cells[0].percentText, "");
}

TEST_F(AnalysisDayTest, SubjectHeaderOfAChildComesFromItsOwnArchive)
{
    const SubjectHeader girl = analyse().subject;
    EXPECT_TRUE(girl.personal);
    EXPECT_TRUE(girl.childFound);
    EXPECT_EQ(girl.sex, "女");
    EXPECT_EQ(girl.birth, "2021-01-15");
    EXPECT_EQ(girl.height, "110.0");
    EXPECT_EQ(girl.weight, "18.5");
    EXPECT_EQ(girl.bloodType, "A");
    EXPECT_EQ(girl.ageText, "5岁2月");
    EXPECT_EQ(girl.kaupText, "15.29"); // 18.5 / 110² × 10⁴ in single precision
    EXPECT_EQ(girl.rohrerText, "138.99");
    EXPECT_EQ(girl.evaluationText.rfind("正常，", 0), 0u);
    EXPECT_EQ(girl.boys.countText, "");
    EXPECT_EQ(girl.girls.heightText, "");

    // The plan without an archive number takes the first child of the name: the boy.
    const PlanDayAnalysis byName = analyse(kByNamePlan);
    EXPECT_EQ(byName.subject.sex, "男");
    EXPECT_EQ(byName.subject.ageText, "4岁");
    EXPECT_EQ(byName.comparison.cells[0].referenceText, "1100.00");

    // An archive number nobody has: an empty header and no reference, never another child's.
    const PlanDayAnalysis missing = analyse(kMissingChildPlan);
    EXPECT_FALSE(missing.subject.childFound);
    for (const std::string* field :
        { &missing.subject.sex, &missing.subject.birth, &missing.subject.height, &missing.subject.weight,
            &missing.subject.ageText, &missing.subject.kaupText, &missing.subject.evaluationText }) {
        EXPECT_EQ(*field, "");
    }
    EXPECT_EQ(missing.comparison.cells[0].referenceText, "0.00");

    // Without a height there is no index and no evaluation.
    m_folder.exec(RecordDb, "UPDATE ArchivesBase SET Height = '' WHERE ArchID = '21000001'");
    const SubjectHeader noHeight = analyse().subject;
    EXPECT_EQ(noHeight.kaupText, "");
    EXPECT_EQ(noHeight.rohrerText, "");
    EXPECT_EQ(noHeight.evaluationText, "");
}

TEST_F(AnalysisDayTest, AClassPlanSummarisesBothSexesAndAveragesTheirReferences)
{
    const PlanDayAnalysis classes = analyse(kClassPlan);
    const SubjectHeader& header = classes.subject;
    EXPECT_FALSE(header.personal);
    EXPECT_EQ(header.sex, "");
    EXPECT_EQ(header.kaupText, "");
    // Boys: 112.4, 104.0 and 103.0 cm; 19.6, 16.9 and 16.0 kg; 57, 48 and 49 months.
    EXPECT_EQ(header.boys.countText, "男生人数：  3");
    EXPECT_EQ(header.boys.heightText, "身    高：  106.5 cm");
    EXPECT_EQ(header.boys.weightText, "体    重：  17.5 kg");
    EXPECT_EQ(header.boys.ageText, "男生  年龄：4岁3月");
    // Girls: 110.0 and 100.6 cm; 18.5 and 15.5 kg; 62 and 42 months.
    EXPECT_EQ(header.girls.countText, "女生人数：  2");
    EXPECT_EQ(header.girls.heightText, "身    高：  105.3 cm");
    EXPECT_EQ(header.girls.weightText, "体    重：  17.0 kg");
    EXPECT_EQ(header.girls.ageText, "女生  年龄：4岁4月");

    // The reference is the mean of the boys' mean and the girls' mean; the four-year-old girl
    // has no row and is left out: ((1200 + 1100 + 1100) / 3 + 1000) / 2.
    EXPECT_EQ(classes.comparison.boys, 3);
    EXPECT_EQ(classes.comparison.girls, 1);
    EXPECT_EQ(classes.comparison.cells[0].referenceText, "1066.67");
    EXPECT_EQ(classes.comparison.cells[4].referenceText, "31.50");
    EXPECT_EQ(classes.comparison.cells[12].referenceText, "160.00");
    EXPECT_EQ(classes.nutrients.nutrients[2].referenceText, "160.0");
}

TEST_F(AnalysisDayTest, DietStructureGradesEachGroupAtItsBounds)
{
    const DietStructure diet = analyse().dietStructure;
    std::vector<std::string> actual;
    for (const FoodGroup& group : diet.groups) {
        actual.push_back(group.actualText);
    }
    EXPECT_EQ(actual, words("330.00 150.00 100.00 50.00 50.00 0.00 50.00 200.00 10.00"));
    EXPECT_EQ(diet.groups[6].header, "豆类");
    EXPECT_EQ(diet.groups[6].name, "豆类及制品");
    EXPECT_EQ(diet.groups[8].referenceText, "25");
    EXPECT_EQ(diet.text,
        "根据系统分析，被调查对象在 03月05日摄入食物中,谷薯类、水果类、畜禽肉类、豆类及制品的摄入量达到标准。 "
        "蛋类、乳类及制品的摄入量过高。 蔬菜类、鱼虾类、油脂食物的摄入量不足。营养师建议：被调查对象适量增加蔬菜类、"
        "鱼虾类、油脂的摄入量,适量减少蛋类、乳类及制品的摄入量，以达到平衡膳食、合理营养、促进健康的目的。");

    struct Case
    {
        const char* rice;
        Grade grade;
    };
    const Case cases[] = { { "米饭:230g；", Grade::Normal }, { "米饭:230.5g；", Grade::Excess },
        { "米饭:169.9g；", Grade::Insufficient } };
    for (const Case& c : cases) {
        auto day = baseDay();
        day[3].composition = c.rice;
        replaceDay(day);
        EXPECT_EQ(analyse().dietStructure.groups[0].grade, c.grade) << c.rice;
    }
}

TEST_F(AnalysisDayTest, DietStructureTextTakesItsFourForms)
{
    m_folder.exec(CookDb,
        "INSERT INTO FoodShow(FoodID, FoodBigTypeID, FoodName) VALUES(11, 12, '鱼'), (12, 14, '饼干'), (13, 13, "
        "'米粉')");
    const std::string all = kAllGroups;
    struct Case
    {
        std::vector<DayRow> day;
        std::string text;
    };
    const Case cases[] = {
        { { { "午餐", "全都正常",
              "米饭:300g；青菜:400g；苹果:100g；猪肉:50g；鸡蛋:25g；鱼:50g；豆腐:50g；牛奶:100g；花生油:25g；",
              "1100" } },
            "根据系统分析，被调查对象在 03月05日摄入食物中" + all
                + "的摄入量达到标准。营养师建议：被调查对象按照目前标准，摄入 " + all
                + " 等食物；以达到平衡膳食、合理营养、促进健康的目的。" },
        { { { "午餐", "全都过量",
              "米饭:400g；青菜:500g；苹果:200g；猪肉:60g；鸡蛋:30g；鱼:60g；豆腐:60g；牛奶:120g；花生油:30g；",
              "1460" } },
            "根据系统分析，被调查对象在 03月05日摄入食物中" + all + "的摄入量过量。营养师建议：被调查对象适量减少 "
                + all + " 等食物的摄入；以达到平衡膳食、合理营养、促进健康的目的。" },
        // Foods of types 13 to 17 belong to no group.
        { { { "午餐", "零食", "饼干:500g；米粉:500g；", "1000" } },
            "根据系统分析，被调查对象在 03月05日摄入食物中" + all + "的摄入量不足。营养师建议：被调查对象适量增加 "
                + all + " 等食物的摄入；以达到平衡膳食、合理营养、促进健康的目的。" },
        // No excess: an empty slot between two blanks and no reduce phrase.
        { { { "午餐", "少", "米饭:300g；", "300" } },
            "根据系统分析，被调查对象在 03月05日摄入食物中,谷薯类的摄入量达到标准。  "
            "蔬菜类、水果类、畜禽肉类、蛋类、鱼虾类、"
            "豆类及制品、乳类及制品、油脂食物的摄入量不足。营养师建议：被调查对象适量增加蔬菜类、水果类、畜禽肉类、蛋类"
            "、"
            "鱼虾类、豆类及制品、乳类及制品、油脂的摄入量,，以达到平衡膳食、合理营养、促进健康的目的。" },
    };
    for (const Case& c : cases) {
        replaceDay(c.day);
        EXPECT_EQ(analyse().dietStructure.text, c.text) << c.day.front().name;
    }
}

TEST_F(AnalysisDayTest, NutrientEvaluationNamesWhatStaysBelowTheReference)
{
    struct Expected
    {
        const char* reference;
        const char* actual;
        const char* percent;
        const char* caption;
    };
    const Expected expected[] = {
        { "1000.0", "900.0", "90.0%", "" },
        { "30.0", "37.3", "124.3%", "蛋白质（过量）" },
        { "150.0", "105.4", "70.2%", "碳水化合物（缺乏）" },
        { "40.0", "27.3", "68.2%", "脂肪（缺乏）" },
        { "0.7", "0.9", "122.0%", "维生素B6（过量）" },
        { "50.0", "50.0", "100.0%", "维生素C（缺乏）" }, // exactly 100 %: lacking, yet not named below
        { "7.0", "10.6", "151.2%", "维生素E（过量）" },
        { "800.0", "485.3", "60.7%", "钙（缺乏）" },
        { "10.0", "11.6", "115.8%", "铁（过量）" },
        { "5.5", "6.9", "126.0%", "锌（过量）" },
        { "30.0", "20.5", "68.4%", "硒（缺乏）" },
        { "900.0", "990.0", "110.0%", "钠（过量）" },
    };
    const NutrientEvaluation evaluation = analyse().nutrients;
    for (std::size_t n = 0; n < std::size(expected); ++n) {
        const EvaluatedNutrient& nutrient = evaluation.nutrients[n];
        EXPECT_EQ(nutrient.referenceText, expected[n].reference) << nutrient.name;
        EXPECT_EQ(nutrient.actualText, expected[n].actual) << nutrient.name;
        EXPECT_EQ(nutrient.percentText, expected[n].percent) << nutrient.name;
        EXPECT_EQ(nutrient.tabCaption, expected[n].caption) << nutrient.name;
    }
    EXPECT_EQ(evaluation.text,
        "被调查对象摄入的营养素中，能量、碳水化合物、脂肪、钙、硒没有达到推荐摄入量(RNI)，其余均达到RNI或AI的标准。"
        "按照以上分析结果给出建议:适量增加能量、碳水化合物、脂肪、钙、硒的摄入量。");

    // No reference at all: an amount above 0 is infinitely much (excess), nothing eaten is
    // undefined (lacking, not named); neither shows a number.
    replaceDay({ { "早餐", "牛奶", "牛奶:200g；", "200" } });
    const NutrientEvaluation none = AnalysePlanDay(kGirlPlan, "一天", 2025).nutrients;
    EXPECT_EQ(none.nutrients[1].tabCaption, "蛋白质（过量）");
    EXPECT_EQ(none.nutrients[1].percentText, "");
    EXPECT_EQ(none.nutrients[5].tabCaption, "维生素C（缺乏）");
    EXPECT_EQ(none.nutrients[5].percentText, "");
    EXPECT_EQ(none.text.find("维生素C"), std::string::npos);
}

TEST_F(AnalysisDayTest, EnergySourcesShareTheDayByMealAndBySource)
{
    const EnergySources base = analyse().energySources;
    std::vector<int> meals;
    for (const MealShare& meal : base.meals) {
        meals.push_back(meal.share);
    }
    EXPECT_EQ(meals, (std::vector<int> { 20, 10, 39, 11, 20 }));
    EXPECT_EQ(base.meals[2].shareText, "39%");
    EXPECT_EQ(base.meals[4].referenceText, "30%");
    // 330, 50, 250, 300 and 10 g of 1000 g: 33, 5, 25, 30, 1 make 94; the animal foods take the rest.
    std::vector<std::string> grams;
    std::vector<std::string> shares;
    for (const SourceShare& source : base.sources) {
        grams.push_back(source.gramsText);
        shares.push_back(source.shareText);
    }
    EXPECT_EQ(grams, words("330 50 250 300 10"));
    EXPECT_EQ(shares, words("33% 5% 25% 36% 1%"));

    m_folder.exec(CookDb, "INSERT INTO FoodShow(FoodID, FoodBigTypeID, FoodName) VALUES(12, 14, '饼干')");
    struct Case
    {
        std::vector<DayRow> day;
        std::vector<int> meals;
        std::vector<int> sources;
    };
    const Case cases[] = {
        { { { "早餐", "a", "", "1" }, { "早点", "b", "", "0" }, { "午餐", "c", "", "1" }, { "午点", "d", "", "0" },
              { "晚餐", "e", "", "1" } },
            { 33, 0, 33, 0, 34 }, { 0, 0, 0, 100, 0 } },
        { { { "早餐", "a", "", "100" }, { "早点", "b", "", "50" }, { "午餐", "c", "", "150" },
              { "午点", "d", "", "50" }, { "晚餐", "e", "", "150" } },
            { 20, 10, 30, 10, 30 }, { 0, 0, 0, 100, 0 } },
        // 29 of 100 g is 29 %, not 28 %.
        { { { "早餐", "a", "米饭:29g；饼干:71g；", "29" }, { "午餐", "c", "", "71" } }, { 29, 0, 71, 0, 0 },
            { 29, 0, 0, 0, 71 } },
        // 33 + 33 + 33 leave 1 % for the animal foods.
        { { { "午餐", "c", "米饭:33g；豆腐:33g；青菜:33g；未知食物:1g；", "100" } }, { 0, 0, 100, 0, 0 },
            { 33, 33, 33, 1, 0 } },
        // More grams in the compositions than stored: the animal share stops at 0.
        { { { "午餐", "c", "米饭:60g；豆腐:60g；", "100" } }, { 0, 0, 100, 0, 0 }, { 60, 60, 0, 0, 0 } },
        // An empty day: no 100 % dinner, no 100 % animal foods.
        { {}, { 0, 0, 0, 0, 0 }, { 0, 0, 0, 0, 0 } },
    };
    for (const Case& c : cases) {
        replaceDay(c.day);
        const EnergySources sources = analyse().energySources;
        std::vector<int> mealShares;
        std::vector<int> sourceShares;
        for (const MealShare& meal : sources.meals) {
            mealShares.push_back(meal.share);
        }
        for (const SourceShare& source : sources.sources) {
            sourceShares.push_back(source.share);
        }
        EXPECT_EQ(mealShares, c.meals) << c.day.size();
        EXPECT_EQ(sourceShares, c.sources) << c.day.size();
    }
}

TEST_F(AnalysisDayTest, MacronutrientRatiosGradeTheSharesOfTheThree)
{
    const MacronutrientRatios base = analyse().macronutrients;
    // The oil (type 18) counts in the fat total but in neither fat source.
    EXPECT_EQ(base.fatSources[0].shareText, "80.39%");
    EXPECT_EQ(base.fatSources[1].shareText, "19.61%");
    std::vector<std::string> protein;
    for (const SourceRatio& source : base.proteinSources) {
        protein.push_back(source.shareText);
    }
    EXPECT_EQ(protein, words("21.41% 10.86% 61.16% 6.57% 72.02%"));
    EXPECT_EQ(base.macronutrients[0].shareText, "62.01%");
    EXPECT_EQ(base.macronutrients[1].shareText, "16.05%");
    EXPECT_EQ(base.macronutrients[2].shareText, "21.94%");
    EXPECT_EQ(base.text,
        "营养师评价：根据系统分析，被调查对象在 03月05日摄入食物中,碳水化合物、蛋白质的摄入量达到标准。  "
        "脂肪食物的摄入量不足。\n营养师建议：根据系统分析，被调查对象适量增加含有脂肪比较高的食物,，"
        "以满足三餐所摄入食物能量标准需求。");

    // One food of 100 g with the given grams of carbohydrate, fat and protein.
    m_folder.exec(CookDb,
        "INSERT INTO FoodShow(FoodID, FoodBigTypeID, FoodName, FoodProtein, FoodFat, FoodCarbohydrate) VALUES"
        "(21, 1, '甲', 20, 21.4, 58.6), (22, 1, '乙', 20, 21.6, 58.4), (23, 1, '丙', 6.9, 33.1, 60)");
    struct Case
    {
        const char* food;
        Grade carbohydrate;
        Grade fat;
        Grade protein;
    };
    const Case cases[] = {
        { "甲", Grade::Normal, Grade::Insufficient, Grade::Normal }, // 58.6 % is at least 0.9 × 65
        { "乙", Grade::Insufficient, Grade::Insufficient, Grade::Normal },
        { "丙", Grade::Normal, Grade::Excess, Grade::Insufficient }, // 33.1 % is above 1.1 × 30
    };
    for (const Case& c : cases) {
        replaceDay({ { "午餐", c.food, std::string(c.food) + ":100g；", "100" } });
        const MacronutrientRatios ratios = analyse().macronutrients;
        EXPECT_EQ(ratios.macronutrients[0].grade, c.carbohydrate) << c.food;
        EXPECT_EQ(ratios.macronutrients[1].grade, c.fat) << c.food;
        EXPECT_EQ(ratios.macronutrients[2].grade, c.protein) << c.food;
    }
    EXPECT_EQ(analyse().macronutrients.text,
        "营养师评价：根据系统分析，被调查对象在 03月05日摄入食物中,碳水化合物的摄入量达到标准。 脂肪的摄入量过高。 "
        "蛋白质食物的摄入量不足。\n营养师建议：根据系统分析，被调查对象适量增加含有蛋白质比较高的食物,"
        "适量减少含脂肪比较高的食物，以满足三餐所摄入食物能量标准需求。");
}

TEST_F(AnalysisDayTest, AnEmptyDayShowsZerosAndNoUndefinedShare)
{
    replaceDay({});
    const PlanDayAnalysis empty = analyse();
    EXPECT_EQ(empty.plan.dayDate, "");
    ASSERT_EQ(empty.content.rows.size(), 1u);
    EXPECT_EQ(empty.content.totals().cells[2], "0.00");
    EXPECT_EQ(empty.comparison.cells[0].colour, CellColour::Blue);
    EXPECT_EQ(empty.dietStructure.text,
        std::string("根据系统分析，被调查对象在 月日摄入食物中") + kAllGroups
            + "的摄入量不足。营养师建议：被调查对象适量增加 " + kAllGroups
            + " 等食物的摄入；以达到平衡膳食、合理营养、促进健康的目的。");
    for (const SourceRatio& ratio : empty.macronutrients.fatSources) {
        EXPECT_EQ(ratio.shareText, "0.00%");
    }
    for (const SourceRatio& ratio : empty.macronutrients.proteinSources) {
        EXPECT_EQ(ratio.shareText, "0.00%");
    }
    EXPECT_EQ(empty.macronutrients.macronutrients[0].shareText, "0.00%");
    EXPECT_EQ(empty.macronutrients.text,
        "营养师评价：根据系统分析，被调查对象在 月日摄入食物中碳水化合物、脂肪、蛋白质的摄入量不足。\n"
        "营养师建议：根据系统分析，被调查对象适量增加 碳水化合物、脂肪、蛋白质 含量比较高的食物,"
        "以满足三餐所摄入食物能量标准需求。");
}

TEST_F(AnalysisDayTest, APlanThatDoesNotExistGivesAnEmptyAnalysis)
{
    const PlanDayAnalysis nothing = AnalysePlanDay(42, "一天");
    EXPECT_FALSE(nothing.plan.found);
    EXPECT_EQ(nothing.subject.subjects, "");
    EXPECT_EQ(nothing.content.rows.size(), 1u);
    EXPECT_EQ(AnalysePlanDay(kGirlPlan, "周一").content.rows.size(), 1u); // a day the plan does not have
    const PlanDayAnalysis firstDay = AnalysePlanDay(kGirlPlan, "");
    EXPECT_EQ(firstDay.plan.dayKey, "一天");
    EXPECT_EQ(firstDay.content.rows.size(), 7u);
}
