#include "core/planning/PlanRecords.h"

#include "PlanningTestData.h"
#include "core/common/CalendarDate.h"
#include "core/db/CppSQLite3Exception.h"

#include <gtest/gtest.h>

using namespace pelinor;

namespace {

// Plans 0, 1, 2 with two, one and two items; row numbers 10 … 14.
void threePlans(const test::TempDataFolder& folder)
{
    folder.exec(PantryDb,
        "INSERT INTO PantryRecord VALUES('0','甲','一天','2026-12-01','护士','个人','王小明','2026-12-02','26000001'),"
        "('1','乙','一周','2026-12-01','护士','团体','小一班；小二班','2026-12-07',''),"
        "('2','丙','一天','2026-12-01','护士','团体','小一班','2026-12-03','');"
        "INSERT INTO PantryCook VALUES('10','0','大米','大米:50g；','一天','早餐','2026-12-02','否','50'),"
        "('11','0','苹果','苹果:80g；','一天','午点','2026-12-02','否','80'),"
        "('12','1','鸡蛋饼','鸡蛋:90g；大米:60g；','周一','早餐','2026-12-07','是','150'),"
        "('13','2','大米','大米:40g；','一天','午餐','2026-12-03','否','40'),"
        "('14','2','苹果','苹果:60g；','一天','早点','2026-12-03','否','60');");
}

// (PcookID, PcookPID, PcookName) of every item, by row number.
std::vector<std::tuple<int, int, std::string>> itemKeys()
{
    DatabaseConnection db(PantryDb);
    std::vector<std::tuple<int, int, std::string>> keys;
    for (auto q = db.execQuery("SELECT PcookID, PcookPID, PcookName FROM PantryCook ORDER BY PcookID"); !q.eof();
         q.nextRow()) {
        keys.emplace_back(q.getIntField(0), q.getIntField(1), q.getStringField(2));
    }
    return keys;
}

std::vector<std::pair<int, std::string>> planKeys()
{
    std::vector<std::pair<int, std::string>> keys;
    for (const PlanRecord& plan : loadPlanList("")) {
        keys.emplace_back(plan.id, plan.name);
    }
    return keys;
}

using Keys = std::vector<std::pair<int, std::string>>;
using ItemKeys = std::vector<std::tuple<int, int, std::string>>;

} // namespace

class PlanRecordsTest : public test::PlanningFixture
{
};

TEST_F(PlanRecordsTest, ListsNewestFirstAndSearchesTheWholeSubject)
{
    threePlans(m_folder);
    EXPECT_EQ(planKeys(), (Keys { { 2, "丙" }, { 1, "乙" }, { 0, "甲" } }));
    const std::vector<PlanRecord> first = loadPlanList("王小明");
    ASSERT_EQ(first.size(), 1u);
    EXPECT_EQ(
        first[0], (PlanRecord { 0, "甲", "一天", "2026-12-01", "护士", "个人", "王小明", "2026-12-02", "26000001" }));
    EXPECT_EQ(loadPlanList("小一班；小二班").size(), 1u);
    EXPECT_EQ(loadPlanList("小一班").size(), 1u); // only plan 2, not the plan of both classes
    EXPECT_EQ(loadPlanList("小一班")[0].id, 2);
    EXPECT_TRUE(loadPlanList("小二班").empty());
    EXPECT_EQ(loadPlanList("").size(), 3u);
}

TEST_F(PlanRecordsTest, DeletingRenumbersTheLaterPlansWithTheirItems)
{
    threePlans(m_folder);
    ASSERT_TRUE(deletePlan(0).ok());
    EXPECT_EQ(planKeys(), (Keys { { 1, "丙" }, { 0, "乙" } }));
    // Row numbers keep their gaps; each item follows its plan.
    EXPECT_EQ(itemKeys(), (ItemKeys { { 12, 0, "鸡蛋饼" }, { 13, 1, "大米" }, { 14, 1, "苹果" } }));

    ASSERT_TRUE(deletePlan(1).ok()); // the highest number: nothing moves
    EXPECT_EQ(planKeys(), (Keys { { 0, "乙" } }));
    EXPECT_EQ(itemKeys(), (ItemKeys { { 12, 0, "鸡蛋饼" } }));

    EXPECT_EQ(deletePlan(5).message(), kPlanGoneMessage);
    EXPECT_EQ(planKeys(), (Keys { { 0, "乙" } }));
}

TEST_F(PlanRecordsTest, ADeleteThatFailsPartWayChangesNothing)
{
    threePlans(m_folder);
    // The items of the later plans cannot be moved: the failure comes after the deletes and the
    // renumbering of the records.
    m_folder.exec(PantryDb,
        "CREATE TRIGGER refuse_move BEFORE UPDATE ON PantryCook BEGIN SELECT RAISE(ABORT, 'disk I/O error'); END;");
    EXPECT_THROW(deletePlan(0), CppSQLite3Exception);
    EXPECT_EQ(planKeys(), (Keys { { 2, "丙" }, { 1, "乙" }, { 0, "甲" } }));
    EXPECT_EQ(itemKeys().size(), 5u);
    EXPECT_EQ(std::get<1>(itemKeys()[0]), 0);
}

TEST_F(PlanRecordsTest, SavingADayReplacesOnlyThatDayAndNumbersFromZero)
{
    PlanDayWrite write;
    write.record = { -1, "周食谱", "一周", "2026-12-09", "护士", "团体", "小一班", "2026-12-14", "" };
    write.dayKey = "周一";
    write.items = { { "大米", "大米:50g；", "周一", "早餐", "2026-12-14", "否", "50" } };
    EXPECT_EQ(savePlanDay(write), 0);
    write.planId = 0;
    write.dayKey = "周三";
    write.items = { { "苹果", "苹果:80g；", "周三", "早点", "2026-12-16", "否", "80" },
        { "鸡蛋饼", "鸡蛋:90g；大米:60g；", "周三", "早餐", "2026-12-16", "是", "150" } };
    EXPECT_EQ(savePlanDay(write), 0);
    write.items.pop_back(); // Wednesday again, with one item less
    EXPECT_EQ(savePlanDay(write), 0);

    const std::vector<PlanItemRow> items = loadPlanItems(0);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0], (PlanItemRow { "大米", "大米:50g；", "周一", "早餐", "2026-12-14", "否", "50" }));
    EXPECT_EQ(items[1], (PlanItemRow { "苹果", "苹果:80g；", "周三", "早点", "2026-12-16", "否", "80" }));
    EXPECT_EQ(itemKeys(), (ItemKeys { { 0, 0, "大米" }, { 1, 0, "苹果" } }));
    EXPECT_EQ(count(PantryDb, "SELECT COUNT(*) FROM PantryRecord"), 1);

    // A second plan takes the next number; a one-day save replaces all of its items.
    PlanDayWrite day;
    day.record = { -1, "日食谱", "一天", "2026-12-09", "护士", "个人", "王小明", "2026-12-09", "26000001" };
    day.dayKey = "一天";
    day.items = { { "大米", "大米:50g；", "一天", "早餐", "2026-12-09", "否", "50" } };
    EXPECT_EQ(savePlanDay(day), 1);
    day.planId = 1;
    day.items.clear();
    EXPECT_EQ(savePlanDay(day), 1);
    EXPECT_TRUE(loadPlanItems(1).empty());
    EXPECT_EQ(loadPlanItems(0).size(), 2u);
    EXPECT_EQ(loadPlanRecord(1)->archId, "26000001");
    EXPECT_FALSE(loadPlanRecord(2));
}

TEST_F(PlanRecordsTest, ASaveThatFailsPartWayChangesNothing)
{
    threePlans(m_folder);
    m_folder.exec(PantryDb,
        "CREATE TRIGGER refuse_item BEFORE INSERT ON PantryCook WHEN NEW.PcookName = '坏' BEGIN "
        "SELECT RAISE(ABORT, 'disk full'); END;");
    PlanDayWrite write;
    write.planId = 0;
    write.record = { 0, "甲改", "一天", "2026-12-09", "护士", "个人", "王小明", "2026-12-02", "26000001" };
    write.dayKey = "一天";
    write.items = { { "大米", "大米:10g；", "一天", "早餐", "2026-12-02", "否", "10" },
        { "坏", "坏:1g；", "一天", "早餐", "2026-12-02", "否", "1" } };
    EXPECT_THROW(savePlanDay(write), CppSQLite3Exception);
    EXPECT_EQ(planKeys(), (Keys { { 2, "丙" }, { 1, "乙" }, { 0, "甲" } }));
    EXPECT_EQ(itemKeys().size(), 5u);
    EXPECT_EQ(loadPlanItems(0).size(), 2u);
}
