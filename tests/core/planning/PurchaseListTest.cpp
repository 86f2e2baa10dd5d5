#include "core/planning/PurchaseList.h"

#include "TempDataFolder.h"
#include "core/db/DatabaseCatalog.h"
#include "core/db/DatabaseConnection.h"
#include "core/db/SqlFormat.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

using namespace pelinor;

namespace {

CalendarDate day(const char* text)
{
    return parseCalendarDate(text).value();
}

class PurchaseListTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        children("大一班", 15);
        children("大二班", 20);
        children("", 4); // children without a class
        children("小班", 3);
    }
    void children(const char* className, int count)
    {
        for (int i = 0; i < count; ++i) {
            m_folder.exec(RecordDb,
                formatSql("INSERT INTO ArchivesBase(ArchID, ArchName, Class) VALUES('%d','孩子','%s')", ++m_child,
                    className));
        }
    }
    void plan(int id, const char* kind, const char* subject)
    {
        m_folder.exec(PantryDb,
            formatSql(
                "INSERT INTO PantryRecord VALUES('%d','计划','一周','2026-03-01','admin','%s','%s','2026-03-02','')",
                id, kind, subject));
    }
    void item(int planId, const char* date, const char* foods)
    {
        m_folder.exec(PantryDb,
            formatSql("INSERT INTO PantryCook VALUES('%d','%d','菜','%s','周一','午餐','%s','是','100')", m_item++,
                planId, foods, date));
    }
    static std::vector<std::string> texts(const std::vector<PurchaseItem>& items)
    {
        std::vector<std::string> result;
        for (const auto& item : items) {
            result.push_back(item.food + " " + item.kilogramText());
        }
        return result;
    }
    std::vector<std::string> listed(const char* from, const char* to)
    {
        return texts(buildPurchaseList(day(from), day(to)));
    }

    test::TempDataFolder m_folder;
    int m_child = 0;
    int m_item = 100;
};

} // namespace

TEST_F(PurchaseListTest, HeadcountsOfPersonalAndClassPlans)
{
    plan(0, "团体", "大一班；大二班");
    plan(1, "个人", "张三");
    plan(2, "团体", "大一班；；"); // doubled and trailing separators name no class
    plan(3, "团体", "");
    plan(4, "团体", "大一班；小班；中班"); // a class without children adds nothing
    DatabaseConnection pantry(PantryDb);
    DatabaseConnection record(RecordDb);
    const struct
    {
        int plan;
        int headcount;
    } cases[] = { { 0, 35 }, { 1, 1 }, { 2, 15 }, { 3, 0 }, { 4, 18 }, { 9, 0 } /* no record */ };
    for (const auto& c : cases) {
        EXPECT_EQ(PlanHeadcount(pantry, record, c.plan), c.headcount) << c.plan;
    }
}

TEST_F(PurchaseListTest, KilogramsAreSummedPerFoodInSinglePrecision)
{
    plan(0, "团体", "大一班；大二班");
    plan(1, "个人", "张三");
    item(0, "2026-03-02", "大米:50g；");
    item(1, "2026-03-02", "大米:10g；");
    // 1 g for 35 children on three days: 0.0455 kg each. Added as floats the total is 0.13650000095,
    // which prints 0.137; added as doubles it would print 0.136.
    item(0, "2026-03-03", "盐:1g；");
    item(0, "2026-03-04", "盐:1g；");
    item(0, "2026-03-05", "盐:1g；");
    // 50 g × 35 × 1.3 / 1000 = 2.275, plus the personal 10 g: 0.013.
    EXPECT_EQ(listed("2026-03-02", "2026-03-06"), (std::vector<std::string> { "大米 2.288", "盐 0.137" }));
    EXPECT_EQ(listed("2026-03-02", "2026-03-02"), (std::vector<std::string> { "大米 2.288" }));
    // Both ends of the range count; the day after the range does not.
    EXPECT_EQ(listed("2026-03-03", "2026-03-04"), (std::vector<std::string> { "盐 0.091" }));
}

TEST_F(PurchaseListTest, TheExampleOfTwoClassesGivesTheFloatOfTwoPointTwoSevenFive)
{
    plan(0, "团体", "大一班；大二班");
    item(0, "2026-03-02", "大米:50g；");
    const auto items = buildPurchaseList(day("2026-03-02"), day("2026-03-02"));
    ASSERT_EQ(items.size(), 1u);
    // 50 × 35 × 1.2999999523 / 1000 = 2.27499991655 in double, narrowed to the float 2.2749998569.
    EXPECT_EQ(items[0].kilograms, 2.2749998569488525f);
    EXPECT_EQ(items[0].kilogramText(), "2.275");
}

TEST_F(PurchaseListTest, TheThresholdAppliesToAFoodsTotal)
{
    plan(1, "个人", "张三");
    item(1, "2026-03-02", "葱:0.7g；姜:0.8g；盐:0.5g；");
    item(1, "2026-03-03", "盐:0.5g；油:3g；");
    item(7, "2026-03-03", "鱼:300g；"); // a plan without its record feeds nobody
    // 0.7 g: 0.00091 kg, dropped; 0.8 g: 0.00104 kg, kept; salt 0.00065 twice: 0.0013, kept.
    EXPECT_EQ(listed("2026-03-01", "2026-03-31"), (std::vector<std::string> { "姜 0.001", "盐 0.001", "油 0.004" }));
    std::vector<PurchaseItem> gathered;
    gatherPurchaseItems(day("2026-03-01"), day("2026-03-31"), gathered);
    EXPECT_EQ(
        texts(gathered), (std::vector<std::string> { "葱 0.001", "姜 0.001", "盐 0.001", "油 0.004", "鱼 0.000" }));
}

TEST_F(PurchaseListTest, FoodsComeInTheOrderOfTheStoredRows)
{
    plan(1, "个人", "张三");
    // The date index would give 大米 first; the rows were stored with 胡萝卜 first.
    item(1, "2026-03-05", "胡萝卜:100g；");
    item(1, "2026-03-02", "大米:100g；胡萝卜:100g；");
    item(1, "2026-03-04", "鸡蛋:50g；");
    EXPECT_EQ(
        listed("2026-03-01", "2026-03-06"), (std::vector<std::string> { "胡萝卜 0.260", "大米 0.130", "鸡蛋 0.065" }));
}

TEST_F(PurchaseListTest, AnEmptyOrReversedRangeFindsNothing)
{
    plan(1, "个人", "张三");
    item(1, "2026-03-02", "大米:100g；");
    EXPECT_TRUE(listed("2026-03-03", "2026-03-01").empty());
    EXPECT_TRUE(listed("2026-04-01", "2026-04-30").empty());
    EXPECT_EQ(listed("2026-03-02", "2026-03-02").size(), 1u);
}

TEST(PurchaseListLinesTest, TwoFoodsGoOnEachLine)
{
    const std::vector<PurchaseItem> items = { { "大米", 2.275f }, { "盐", 0.0013f }, { "油", 1.5f } };
    const auto lines = purchaseListLines(items);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], (PurchaseLine { "大米", "2.275", "盐", "0.001" }));
    EXPECT_EQ(lines[1], (PurchaseLine { "油", "1.500", "", "" }));
    EXPECT_TRUE(purchaseListLines({}).empty());
}

TEST(PurchaseListCsvTest, WritesUtf8WithAMarkAndQuotesWhereNeeded)
{
    const std::vector<PurchaseItem> items = { { "大米", 2.275f }, { "豆腐,北", 0.5f }, { "\"特\"级", 1.0f } };
    const std::string expected
        = "\xEF\xBB\xBF原料名称,原料重量(kg)\r\n大米,2.275\r\n\"豆腐,北\",0.500\r\n\"\"\"特\"\"级\",1.000\r\n";
    EXPECT_EQ(purchaseListCsv(items), expected);

    test::TempDirectory dir;
    const std::string path = dir.path() + "/清单.csv";
    ASSERT_TRUE(writePurchaseListCsv(path, items).ok());
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(), expected);
    EXPECT_FALSE(std::filesystem::exists(path + ".part"));

    const auto refused = writePurchaseListCsv(dir.path() + "/没有/清单.csv", items);
    EXPECT_FALSE(refused.ok());
    EXPECT_NE(refused.message().find("没有/清单.csv"), std::string::npos);
}
