#include "core/planning/PlanEditor.h"

#include "PlanningTestData.h"
#include "core/common/NumberFormat.h"
#include "core/db/CppSQLite3Exception.h"

#include <gtest/gtest.h>

using namespace pelinor;

namespace {

using Texts = std::vector<std::string>;

CalendarDate date(const char* text)
{
    return *parseCalendarDate(text);
}

Texts texts(const MealValues& values)
{
    Texts result;
    for (float value : values.values) {
        result.push_back(formatFixed(value, 2));
    }
    return result;
}

// The item list as the page shows it, top first: "name:weight".
Texts lines(const PlanEditor& editor)
{
    Texts result;
    for (const ItemLine& line : editor.lines()) {
        result.push_back(line.name + ":" + line.weight);
    }
    return result;
}

PlanDefinition definition(int kind,
    const std::string& subject,
    const std::string& archId,
    int cycle,
    const std::string& shares = "20；10；30；10；30；")
{
    return { archId, shares, "测试食谱", subject, cycle, kind };
}

void add(PlanEditor& editor,
    const std::string& name,
    const std::string& weight,
    const std::string& composition,
    const std::string& kind = "原料")
{
    const Outcome<PlanItem> item = editor.chosenItem(name, weight, composition, kind);
    ASSERT_TRUE(item.ok()) << item.message();
    editor.addItem(*item);
}

const std::string kEggCake = "鸡蛋:90g；大米:60g；";

} // namespace

class PlanEditorTest : public test::PlanningFixture
{
protected:
    PlanEditor m_editor;
    const CalendarDate m_today = date("2026-12-09"); // a Wednesday
};

TEST_F(PlanEditorTest, TheReferenceIsTheSubjectsAtThePlansYear)
{
    struct Case
    {
        PlanDefinition plan;
        const char* today;
        const char* energy;
        const char* carbohydrate;
        const char* breakfastEnergy;
    };
    const Case cases[] = {
        { definition(0, "王小明", "26000001", 0), "2026-12-09", "1400.00", "210.00", "280.00" },
        { definition(0, "王小明", "26000005", 0), "2026-12-09", "1450.00", "217.50", "290.00" }, // the namesake
        { definition(1, "小一班", "", 0), "2026-12-09", "1350.00", "202.50", "270.00" }, // mean of the sex means
        { definition(1, "小一班；小二班", "", 1), "2026-12-09", "1400.00", "210.00", "280.00" },
        { definition(1, "大班", "", 0), "2026-12-09", "0.00", "0.00", "0.00" }, // nobody counted
        { definition(1, "小一班", "", 0, "30；10；20；10；30；"), "2026-12-09", "1350.00", "202.50", "405.00" },
        // A week started on 2026-12-30 begins on Monday 2027-01-04: everybody is a year older.
        { definition(1, "小一班", "", 1), "2026-12-30", "1475.00", "221.25", "295.00" },
    };
    for (const auto& c : cases) {
        m_editor.StartNewPlan(c.plan, date(c.today));
        EXPECT_EQ(formatFixed(m_editor.reference()[SlotEnergy], 2), c.energy) << c.plan.subject;
        EXPECT_EQ(formatFixed(m_editor.reference()[SlotCarbohydrate], 2), c.carbohydrate) << c.plan.subject;
        EXPECT_EQ(texts(m_editor.mealReference())[0], c.breakfastEnergy) << c.plan.subject;
        EXPECT_EQ(m_editor.currentMeal(), 0);
    }
}

TEST_F(PlanEditorTest, CompositionsAddTheirFoodsPer100Grams)
{
    struct Case
    {
        const char* composition;
        Texts values;
    };
    const Case cases[] = {
        { "大米:150g；", { "525.00", "11.25", "1.35", "115.80" } },
        { "大米:150.00g；", { "525.00", "11.25", "1.35", "115.80" } },
        { "没有的食物:100g；大米:150g；", { "525.00", "11.25", "1.35", "115.80" } },
        { "鸡蛋:90g；大米:60g；", { "339.60", "16.47", "8.46", "48.84" } },
        { "", { "0.00", "0.00", "0.00", "0.00" } },
    };
    for (const auto& c : cases) {
        MealNutrients nutrients;
        MealValues actual;
        nutrients.AddComposition(actual, c.composition, +1);
        EXPECT_EQ(texts(actual), c.values) << c.composition;
        nutrients.AddComposition(actual, c.composition, -1);
        EXPECT_EQ(texts(actual), (Texts { "0.00", "0.00", "0.00", "0.00" })) << c.composition; // never "-0.00"
    }
}

TEST_F(PlanEditorTest, ModifyAndDeleteActOnTheSelectedLineAmongEqualOnes)
{
    m_editor.StartNewPlan(definition(0, "王小明", "26000001", 0), m_today);
    m_editor.SelectMeal(1);
    for (int i = 0; i < 3; ++i) {
        add(m_editor, "苹果", "100", "苹果:100g；");
    }
    EXPECT_EQ(texts(m_editor.mealActual()), (Texts { "162.00", "0.60", "0.60", "40.50" }));

    // The top line is the newest apple, the third item of the plan.
    const Outcome<PlanItem> changed = m_editor.modifiedItem(0, "120", "ignored for a food");
    ASSERT_TRUE(changed.ok());
    EXPECT_EQ(changed->composition, "苹果:120g；"); // a single food is rebuilt from its weight
    m_editor.replaceItem(0, *changed);
    EXPECT_EQ(m_editor.items()[2].weight, "120");
    EXPECT_EQ(m_editor.items()[0].weight, "100");
    EXPECT_EQ(lines(m_editor), (Texts { "苹果:120", "苹果:100", "苹果:100" }));
    EXPECT_EQ(texts(m_editor.mealActual()), (Texts { "172.80", "0.64", "0.64", "43.20" }));

    m_editor.DeleteItem(1); // the middle apple, the second item
    ASSERT_EQ(m_editor.items().size(), 2u);
    EXPECT_EQ(m_editor.items()[0].weight, "100");
    EXPECT_EQ(m_editor.items()[1].weight, "120");
    EXPECT_EQ(texts(m_editor.mealActual()), (Texts { "118.80", "0.44", "0.44", "29.70" }));
    // The lines still point at their own items after the sequence moved up.
    m_editor.DeleteItem(0);
    ASSERT_EQ(m_editor.items().size(), 1u);
    EXPECT_EQ(m_editor.items()[0].weight, "100");
    EXPECT_EQ(lines(m_editor), (Texts { "苹果:100" }));

    // Weights are numbers or nothing.
    EXPECT_EQ(m_editor.modifiedItem(0, "5；大米:100", "").message(), "输入的重量不合法！");
    EXPECT_EQ(m_editor.chosenItem("大米", "inf", "大米:infg；", "原料").message(), "输入的重量不合法！");
}

TEST_F(PlanEditorTest, WeightsAreTrimmedAndKindsBecomeDishFlags)
{
    m_editor.StartNewPlan(definition(0, "王小明", "26000001", 0), m_today);
    const Outcome<PlanItem> trimmed = m_editor.chosenItem("大米", " 80 ", "大米:80g；", "原料");
    ASSERT_TRUE(trimmed.ok());
    EXPECT_EQ(trimmed->weight, "80");
    EXPECT_EQ(trimmed->isDish, "否");
    EXPECT_EQ(m_editor.chosenItem("鸡蛋饼", "150", kEggCake, "菜谱")->isDish, "是");
}

TEST_F(PlanEditorTest, EverySwitchOfDayOrDateShowsBreakfastAndAddsToIt)
{
    m_editor.StartNewPlan(definition(1, "小一班", "", 1), m_today);
    EXPECT_EQ(m_editor.planDate().text(), "2026-12-14");
    m_editor.SelectMeal(2);
    EXPECT_EQ(m_editor.referenceCaption(), "午餐营养物质参考值");
    add(m_editor, "大米", "100", "大米:100g；");

    m_editor.SelectDay(1);
    EXPECT_EQ(m_editor.currentMeal(), 0);
    EXPECT_EQ(m_editor.referenceCaption(), "早餐营养物质参考值");
    EXPECT_EQ(m_editor.actualCaption(), "早餐营养物质实际值");
    ASSERT_EQ(m_editor.recommendations().size(), 2u);
    EXPECT_EQ(m_editor.recommendations()[0].text(), "鸡蛋饼:150");
    EXPECT_EQ(m_editor.planDate().text(), "2026-12-15");
    EXPECT_TRUE(m_editor.lines().empty());
    add(m_editor, "鸡蛋饼", "150", kEggCake, "菜谱");
    EXPECT_EQ(m_editor.items().back().dayKey, "周二");
    EXPECT_EQ(m_editor.items().back().meal, "早餐");
    EXPECT_EQ(lines(m_editor), (Texts { "鸡蛋饼:150" }));

    m_editor.SelectMeal(3);
    ASSERT_TRUE(m_editor.DateChanged(date("2026-12-17")).ok());
    EXPECT_EQ(m_editor.dayKey(), "周四");
    EXPECT_EQ(m_editor.currentMeal(), 0);
    EXPECT_EQ(m_editor.referenceCaption(), "早餐营养物质参考值");
    EXPECT_EQ(m_editor.recommendations().size(), 2u);

    struct Refused
    {
        const char* picked;
        const char* message;
    };
    for (const Refused& r :
        { Refused { "2026-12-19", "请选择周内时间！" }, Refused { "2026-12-21", "请选择本周内时间！" } }) {
        EXPECT_EQ(m_editor.DateChanged(date(r.picked)).message(), r.message);
        EXPECT_EQ(m_editor.planDate().text(), "2026-12-17");
        EXPECT_EQ(m_editor.dayKey(), "周四");
    }

    m_editor.SelectDay(0);
    m_editor.SelectMeal(2);
    EXPECT_EQ(lines(m_editor), (Texts { "大米:100" }));
    EXPECT_EQ(texts(m_editor.mealActual())[0], "350.00");
}

TEST_F(PlanEditorTest, AWeekPlanIsSavedDayByDayAndDatedOnItsMonday)
{
    m_editor.StartNewPlan(definition(1, "小一班", "", 1), m_today);
    m_editor.SelectDay(2); // Wednesday first
    add(m_editor, "苹果", "100", "苹果:100g；");
    PlanSaveResult saved = m_editor.SavePlan(m_today, "护士长");
    EXPECT_EQ(saved.planId, 0);
    EXPECT_FALSE(saved.finished);
    std::optional<PlanRecord> record = loadPlanRecord(0);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->date, "2026-12-14");
    EXPECT_EQ(record->dietitian, "护士长");
    EXPECT_EQ(record->cycle, "一周");
    EXPECT_EQ(loadPlanItems(0).at(0).date, "2026-12-16");
    // On to Thursday, at breakfast.
    EXPECT_EQ(m_editor.dayKey(), "周四");
    EXPECT_EQ(m_editor.planDate().text(), "2026-12-17");
    EXPECT_EQ(m_editor.currentMeal(), 0);
    EXPECT_EQ(m_editor.planId(), 0);

    m_editor.SelectDay(0);
    add(m_editor, "鸡蛋饼", "150", kEggCake, "菜谱");
    m_editor.SelectDay(1);
    add(m_editor, "苹果", "50", "苹果:50g；");
    m_editor.SelectDay(0);
    EXPECT_TRUE(m_editor.hasUnsavedChanges());
    m_editor.SavePlan(date("2026-12-10"), "护士长");
    EXPECT_TRUE(m_editor.hasUnsavedChanges()); // Tuesday is not saved yet
    m_editor.DeleteItem(0);
    m_editor.SavePlan(date("2026-12-10"), "护士长");
    EXPECT_FALSE(m_editor.hasUnsavedChanges());
    const int wednesdayRow = count(PantryDb, "SELECT PcookID FROM PantryCook WHERE PcookWeek = '周三'");
    m_editor.SelectDay(2);
    m_editor.SavePlan(date("2026-12-10"), "护士长"); // Wednesday again, unchanged
    EXPECT_EQ(count(PantryDb, "SELECT COUNT(*) FROM PantryCook WHERE PcookWeek = '周一'"), 1);
    EXPECT_EQ(count(PantryDb, "SELECT COUNT(*) FROM PantryCook WHERE PcookWeek = '周三'"), 1);
    EXPECT_NE(count(PantryDb, "SELECT PcookID FROM PantryCook WHERE PcookWeek = '周三'"), wednesdayRow);
    EXPECT_EQ(count(PantryDb, "SELECT COUNT(*) FROM PantryRecord"), 1);
    EXPECT_EQ(loadPlanRecord(0)->date, "2026-12-14");
    EXPECT_EQ(loadPlanRecord(0)->created, "2026-12-10");

    m_editor.SelectDay(4);
    saved = m_editor.SavePlan(m_today, "护士长");
    EXPECT_TRUE(saved.finished);
    EXPECT_FALSE(m_editor.hasPlan());
    EXPECT_EQ(m_editor.planId(), -1);

    // Reopened weeks later: Monday of its own week, Monday's breakfast shown.
    ASSERT_TRUE(m_editor.OpenSavedPlan(0, date("2027-01-20")).ok());
    EXPECT_EQ(m_editor.planDate().text(), "2026-12-14");
    EXPECT_EQ(m_editor.dayKey(), "周一");
    EXPECT_EQ(lines(m_editor), (Texts { "鸡蛋饼:150" }));
    EXPECT_EQ(texts(m_editor.mealActual()), (Texts { "339.60", "16.47", "8.46", "48.84" }));
    EXPECT_EQ(formatFixed(m_editor.reference()[SlotEnergy], 2), "1350.00"); // ages from 2026, the plan's year
    EXPECT_EQ(m_editor.items().size(), 2u);
    EXPECT_FALSE(m_editor.hasUnsavedChanges());
    EXPECT_EQ(m_editor.OpenSavedPlan(9, m_today).message(), kPlanGoneMessage);
}

TEST_F(PlanEditorTest, AnOlderWeekPlanDatedMidweekOpensOnItsMonday)
{
    m_folder.exec(PantryDb,
        "INSERT INTO PantryRecord VALUES('0','旧','一周','2026-12-01','护士','团体','小一班','2026-12-16','');"
        "INSERT INTO PantryCook VALUES('0','0','苹果','苹果:100g；','周一','早餐','2026-12-14','否','100');");
    ASSERT_TRUE(m_editor.OpenSavedPlan(0, m_today).ok());
    EXPECT_EQ(m_editor.weekMonday().text(), "2026-12-14");
    m_editor.SelectDay(2);
    EXPECT_EQ(m_editor.planDate().text(), "2026-12-16");
    m_editor.SavePlan(m_today, "护士");
    EXPECT_EQ(loadPlanRecord(0)->date, "2026-12-14");
    EXPECT_EQ(loadPlanItems(0).size(), 1u); // Wednesday had nothing; Monday stays
}

TEST_F(PlanEditorTest, AOneDayPlanReopenedKeepsItsDate)
{
    m_editor.StartNewPlan(definition(0, "王小明", "26000001", 0), m_today);
    EXPECT_TRUE(m_editor.DateChanged(date("2026-12-11")).ok());
    EXPECT_EQ(m_editor.dayKey(), "一天");
    add(m_editor, "大米", "50", "大米:50g；");
    const PlanSaveResult saved = m_editor.SavePlan(m_today, "护士");
    EXPECT_TRUE(saved.finished);
    EXPECT_FALSE(m_editor.hasPlan());
    EXPECT_EQ(loadPlanRecord(0)->date, "2026-12-11");
    EXPECT_EQ(loadPlanRecord(0)->archId, "26000001");

    const CalendarDate later = date("2026-12-21");
    ASSERT_TRUE(m_editor.OpenSavedPlan(0, later).ok());
    EXPECT_EQ(m_editor.planDate().text(), "2026-12-11");
    EXPECT_EQ(m_editor.archId(), "26000001");
    m_editor.SavePlan(later, "护士");
    EXPECT_EQ(loadPlanRecord(0)->date, "2026-12-11");
    EXPECT_EQ(loadPlanRecord(0)->created, "2026-12-21");
    const std::vector<PlanItemRow> items = loadPlanItems(0);
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0], (PlanItemRow { "大米", "大米:50g；", "一天", "早餐", "2026-12-11", "否", "50" }));
}

TEST_F(PlanEditorTest, RecommendationsAreTakenByTheirRow)
{
    m_editor.StartNewPlan(definition(0, "王小明", "26000001", 0), m_today);
    m_editor.SelectMeal(3); // 午点: the 80 g apple, not the 100 g one of 早点
    auto apple = m_editor.recommendedItem(0);
    ASSERT_TRUE(apple && apple->ok());
    EXPECT_EQ((*apple)->weight, "80");
    EXPECT_EQ((*apple)->composition, "苹果:80g；");
    EXPECT_EQ((*apple)->meal, "午点");

    m_editor.SelectMeal(0);
    auto cake = m_editor.recommendedItem(0);
    ASSERT_TRUE(cake && cake->ok());
    EXPECT_EQ((*cake)->composition, kEggCake); // 60 and 40 g scaled to 150
    EXPECT_EQ((*cake)->isDish, "是");

    // Deleted meanwhile: nothing is added and the list is read again.
    m_folder.exec(CookDb, "DELETE FROM CXC WHERE ID = 4");
    EXPECT_FALSE(m_editor.recommendedItem(1));
    EXPECT_EQ(m_editor.recommendations().size(), 1u);
    // Changed meanwhile: the list shows the new weight first.
    m_folder.exec(CookDb, "UPDATE CXC SET Weight = '200' WHERE ID = 3");
    EXPECT_FALSE(m_editor.recommendedItem(0));
    EXPECT_EQ(m_editor.recommendations()[0].text(), "鸡蛋饼:200");
    cake = m_editor.recommendedItem(0);
    ASSERT_TRUE(cake && cake->ok());
    EXPECT_EQ((*cake)->composition, "鸡蛋:120g；大米:80g；");
    EXPECT_TRUE(m_editor.items().empty()); // looking an item up adds nothing by itself
    // A recommended dish that left the library has no foods to add.
    m_folder.exec(CookDb, "DELETE FROM CookShow WHERE CookID = 1");
    cake = m_editor.recommendedItem(0);
    ASSERT_TRUE(cake);
    EXPECT_EQ(cake->message(), kDishGoneMessage);
}

TEST_F(PlanEditorTest, ASetMealReplacesTheCurrentDayOnly)
{
    m_editor.StartNewPlan(definition(1, "小一班", "", 1), m_today);
    add(m_editor, "大米", "50", "大米:50g；"); // Monday
    m_editor.SelectDay(1);
    add(m_editor, "苹果", "60", "苹果:60g；");
    m_editor.SelectMeal(2);
    add(m_editor, "大米", "70", "大米:70g；");
    EXPECT_TRUE(m_editor.currentDayHasItems());

    EXPECT_EQ(m_editor.setMealItems(7).message(), kSetMealGoneMessage);
    const auto setMeal = m_editor.setMealItems(0);
    ASSERT_TRUE(setMeal.ok());
    m_editor.ApplySetMeal(*setMeal);
    EXPECT_EQ(m_editor.currentMeal(), 0);
    EXPECT_EQ(m_editor.referenceCaption(), "早餐营养物质参考值");
    ASSERT_EQ(m_editor.items().size(), 3u);
    EXPECT_EQ(m_editor.items()[0].dayKey, "周一");
    EXPECT_EQ(m_editor.items()[1], (PlanItem { "周二", "鸡蛋饼", kEggCake, "150", "早餐", "2026-12-15", "是" }));
    EXPECT_EQ(m_editor.items()[2].meal, "午点");
    EXPECT_EQ(lines(m_editor), (Texts { "鸡蛋饼:150" }));
    EXPECT_EQ(texts(m_editor.mealActual())[0], "339.60");
}

TEST_F(PlanEditorTest, AFailedSaveLeavesTheEditorAndTheFileAsTheyWere)
{
    m_editor.StartNewPlan(definition(0, "王小明", "26000001", 0), m_today);
    add(m_editor, "大米", "50", "大米:50g；");
    add(m_editor, "坏", "1", "坏:1g；");
    m_folder.exec(PantryDb,
        "CREATE TRIGGER refuse_item BEFORE INSERT ON PantryCook WHEN NEW.PcookName = '坏' BEGIN "
        "SELECT RAISE(ABORT, 'disk full'); END;");
    EXPECT_THROW(m_editor.SavePlan(m_today, "护士"), CppSQLite3Exception);
    EXPECT_EQ(m_editor.planId(), -1); // no number until a save went through
    EXPECT_TRUE(m_editor.hasPlan());
    EXPECT_EQ(m_editor.items().size(), 2u);
    EXPECT_EQ(count(PantryDb, "SELECT COUNT(*) FROM PantryRecord"), 0);
    EXPECT_EQ(count(PantryDb, "SELECT COUNT(*) FROM PantryCook"), 0);

    m_folder.exec(PantryDb, "DROP TRIGGER refuse_item");
    EXPECT_EQ(m_editor.SavePlan(m_today, "护士").planId, 0);
    EXPECT_EQ(count(PantryDb, "SELECT COUNT(*) FROM PantryCook"), 2);
}

TEST_F(PlanEditorTest, AllergiesOfThePlansChildrenAreNamed)
{
    struct Case
    {
        PlanDefinition plan;
        const char* composition;
        std::vector<AllergyHit> hits;
    };
    const Case cases[] = {
        { definition(1, "小一班", "", 0), "鸡蛋:90g；大米:60g；", { { "李小红", "鸡蛋", "鸡蛋" } } },
        { definition(1, "小一班", "", 0), "花生油:5g；鸡蛋:10g；",
            { { "王小明", "花生油", "花生" }, { "李小红", "鸡蛋", "鸡蛋" } } },
        // "无" and the drugs of the list are no food words.
        { definition(1, "小一班；小二班", "", 0), "无花果:50g；", {} },
        { definition(0, "王小明", "26000001", 0), "花生油:5g；", { { "王小明", "花生油", "花生" } } },
        { definition(0, "王小明", "26000005", 0), "花生油:5g；鸡蛋:10g；", {} }, // the namesake has none
        { definition(1, "小二班", "", 0), "鸡蛋:10g；", {} },
    };
    for (const auto& c : cases) {
        m_editor.StartNewPlan(c.plan, m_today);
        EXPECT_EQ(m_editor.allergyHits(c.composition), c.hits) << c.plan.subject << " " << c.composition;
    }
    // A changed dish names only the foods it gained.
    m_editor.StartNewPlan(definition(1, "小一班", "", 0), m_today);
    EXPECT_TRUE(m_editor.allergyHits("鸡蛋:120g；大米:80g；", kEggCake).empty());
    EXPECT_EQ(m_editor.allergyHits("鸡蛋:120g；花生油:3g；", kEggCake).size(), 1u);

    const AllergyCheck listed = AllergyCheck::fromLists({ { "甲", "青霉素；芒果；芒果" }, { "乙", " 花生 ；无" } });
    EXPECT_EQ(listed.hits("芒果干:20g；花生:10g；"),
        (std::vector<AllergyHit> { { "甲", "芒果干", "芒果" }, { "乙", "花生", "花生" } }));
    const std::string warning = AllergyCheck::warningText("水果拼盘", listed.hits("芒果干:20g；"));
    EXPECT_NE(warning.find("水果拼盘"), std::string::npos);
    EXPECT_NE(warning.find("甲"), std::string::npos);
    EXPECT_NE(warning.find("芒果干"), std::string::npos);
}
