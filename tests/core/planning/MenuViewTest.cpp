#include "core/planning/MenuView.h"

#include "TempDataFolder.h"
#include "core/db/DatabaseCatalog.h"
#include "core/db/DatabaseConnection.h"
#include "core/db/SqlFormat.h"

#include <gtest/gtest.h>

using namespace pelinor;

namespace {

class MenuViewTest : public ::testing::Test
{
protected:
    void plan(int id, const char* cycle, const char* subject = "小班")
    {
        m_folder.exec(PantryDb,
            formatSql(
                "INSERT INTO PantryRecord VALUES('%d','计划%d','%s','2026-03-01','admin','团体','%s','2026-03-02','')",
                id, id, cycle, subject));
    }
    // PantryCook columns: id, plan, name, foods, day, meal, date, dish flag, weight.
    void item(int id,
        int planId,
        const char* day,
        const char* meal,
        const char* name,
        const char* foods,
        const char* date = "2026-03-02",
        const char* weight = "100")
    {
        m_folder.exec(PantryDb,
            formatSql("INSERT INTO PantryCook VALUES('%d','%d','%s','%s','%s','%s','%s','是','%s')", id, planId, name,
                foods, day, meal, date, weight));
    }
    MenuPlan loaded(int id)
    {
        const auto found = loadMenuPlan(id);
        EXPECT_TRUE(found.has_value());
        return found.value_or(MenuPlan {});
    }
    static std::vector<std::string> names(const MenuDay& day)
    {
        std::vector<std::string> result;
        for (const auto& line : day.lines) {
            result.push_back(line.meal + "/" + line.name);
        }
        return result;
    }
    int count(const std::string& sql)
    {
        DatabaseConnection db(PackageDb);
        return db.execQuery(sql).getIntField(0);
    }

    test::TempDataFolder m_folder;
};

} // namespace

TEST(MenuTextTest, CleaningRemovesAnnotationsUpToAnUnclosedBracket)
{
    const struct
    {
        const char* text;
        const char* cleaned;
    } cases[] = {
        { "土豆烧牛肉（少盐）", "土豆烧牛肉" },
        { "牛肉（瘦）:35g；鸡蛋（土）:20g；", "牛肉:35g；鸡蛋:20g；" },
        { "[儿童]小米粥[甜]", "小米粥" },
        { "（软）米饭[新]（小份）", "米饭" },
        { "鸡蛋羹（少盐", "鸡蛋羹（少盐" }, // no closing bracket: kept from there on
        { "米饭（软）（少", "米饭（少" },
        { "粥[甜", "粥[甜" },
        { "面（细[长）]", "面]" }, // full-width pairs first, then square ones
        { "汤（a）b[c", "汤b[c" },
        { "炒饭(少油)", "炒饭(少油)" }, // half-width parentheses are part of the name
        { "", "" },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(cleanMenuText(c.text), c.cleaned) << c.text;
    }
}

TEST_F(MenuViewTest, ADayIsListedByMealTimeThenInStoredOrder)
{
    plan(0, "一周");
    // Stored out of meal order, with ids that disagree with the stored order.
    item(9, 0, "周二", "午餐", "米饭", "大米:50g；", "2026-03-03");
    item(3, 0, "周二", "晚餐", "面条", "面粉:40g；", "2026-03-03");
    item(5, 0, "周二", "早餐", "牛奶", "牛奶:200g；", "2026-03-03");
    item(1, 0, "周二", "午餐", "青菜", "青菜:60g；", "2026-03-03");
    item(2, 0, "周二", "夜宵", "饼干", "饼干:20g；", "2026-03-09"); // not a meal time: not listed
    item(4, 0, "周一", "早餐", "豆浆", "豆浆:200g；", "2026-03-02");

    const MenuPlan menu = loaded(0);
    EXPECT_FALSE(menu.isOneDay());
    const MenuDay tuesday = loadMenuDay(menu, "周二");
    EXPECT_EQ(names(tuesday), (std::vector<std::string> { "早餐/牛奶", "午餐/米饭", "午餐/青菜", "晚餐/面条" }));
    EXPECT_EQ(tuesday.date, "2026-03-03"); // the unlisted row's date is not taken
    EXPECT_EQ(tuesday.lines[1].weight, "100");
    EXPECT_EQ(tuesday.lines[1].foods, "大米:50g；");
    EXPECT_EQ(names(loadMenuDay(menu, "周一")), (std::vector<std::string> { "早餐/豆浆" }));
    // A day without rows shows no date, not the date of the day shown before.
    const MenuDay wednesday = loadMenuDay(menu, "周三");
    EXPECT_TRUE(wednesday.lines.empty());
    EXPECT_EQ(wednesday.date, "");
}

TEST_F(MenuViewTest, AOneDayPlanListsAllItsRowsAndPrintsOneColumn)
{
    plan(4, "一天");
    item(0, 4, "一天", "午点", "香蕉", "香蕉:80g；");
    item(1, 4, "一天", "早餐", "八宝粥（甜）", "红枣:5g；大米（新）:10g；");
    item(2, 4, "周三", "早餐", "鸡蛋饼", "鸡蛋:25g；"); // a stray day key still belongs to the plan's one day
    item(3, 5, "一天", "早餐", "别的计划", "大米:10g；");

    const MenuPlan menu = loaded(4);
    EXPECT_TRUE(menu.isOneDay());
    EXPECT_EQ(menuDayKey(menu, "周三"), "一天");
    EXPECT_EQ(names(loadMenuDay(menu, "周一")),
        (std::vector<std::string> { "早餐/八宝粥（甜）", "早餐/鸡蛋饼", "午点/香蕉" })); // the list keeps full names

    const MenuGrid grid = buildMenuGrid(menu);
    EXPECT_EQ(grid.dayCount(), 1);
    EXPECT_EQ(grid.cell(0, 0), "八宝粥；鸡蛋饼；红枣:5g；大米:10g；鸡蛋:25g；");
    EXPECT_EQ(grid.cell(0, 3), "香蕉；香蕉:80g；");
    EXPECT_EQ(grid.cell(0, 2), "");
}

TEST_F(MenuViewTest, TheWeeklyGridHasEveryDayAndMealTimeInItsCell)
{
    plan(1, "一周");
    item(0, 1, "周二", "午餐", "米饭", "大米:50g；");
    item(1, 1, "周二", "午餐", "番茄炒蛋[儿童]", "番茄:60g；鸡蛋:40g；");
    item(2, 1, "周五", "晚餐", "馒头", "面粉:30g；");
    item(3, 1, "周一", "加餐", "酸奶", "酸奶:100g；");
    const MenuPlan menu = loaded(1);
    EXPECT_EQ(menuDayKey(menu, "周四"), "周四");
    const MenuGrid grid = buildMenuGrid(menu);
    EXPECT_EQ(grid.dayCount(), 5);
    EXPECT_EQ(grid.cell(1, 2), "米饭；番茄炒蛋；大米:50g；番茄:60g；鸡蛋:40g；");
    EXPECT_EQ(grid.cell(4, 4), "馒头；面粉:30g；");
    for (int day = 0; day < 5; ++day) {
        for (int meal = 0; meal < 5; ++meal) {
            if ((day != 1 || meal != 2) && (day != 4 || meal != 4)) {
                EXPECT_EQ(grid.cell(day, meal), "") << day << "/" << meal;
            }
        }
    }
    EXPECT_FALSE(loadMenuPlan(2).has_value());
}

TEST_F(MenuViewTest, MakeSetMealCopiesTheDayIntoNewNumbers)
{
    plan(0, "一周", "大班；大二班");
    item(0, 0, "周三", "午餐", "米饭", "大米:50g；", "2026-03-04", "50");
    item(1, 0, "周三", "早餐", "牛奶", "牛奶:200g；", "2026-03-04", "200");
    item(2, 0, "周四", "早餐", "豆浆", "豆浆:200g；", "2026-03-05", "200");
    m_folder.exec(PackageDb,
        "INSERT INTO PackageName VALUES(0,'旧套餐','2026-01-01','小班'); INSERT INTO PackageName "
        "VALUES(3,'旧套餐二','','');"
        "INSERT INTO PackageCook VALUES(7,3,'面条','80','午餐','','是','面粉:80g；');");

    const auto made = MakeSetMeal({ 0, "周三", "  三月套餐 ", "2026-03-04", "大班；大二班" });
    ASSERT_TRUE(made.ok()) << made.message();
    EXPECT_EQ(made.value(), 4);
    {
        DatabaseConnection db(PackageDb);
        auto head = db.execQuery("SELECT * FROM PackageName WHERE ID = 4");
        ASSERT_FALSE(head.eof());
        EXPECT_EQ(head.getStringField(1), "三月套餐");
        EXPECT_EQ(head.getStringField(2), "2026-03-04");
        EXPECT_EQ(head.getStringField(3), "大班；大二班");
        // Items in stored order: number, set meal, name, weight, meal, date, dish flag, composition.
        std::vector<std::string> rows;
        for (auto q = db.execQuery("SELECT * FROM PackageCook WHERE PcookPID = 4 ORDER BY rowid"); !q.eof();
             q.nextRow()) {
            std::string row;
            for (int c = 0; c < 8; ++c) {
                row += q.getStringField(c) + "|";
            }
            rows.push_back(row);
        }
        EXPECT_EQ(rows,
            (std::vector<std::string> {
                "8|4|米饭|50|午餐|2026-03-04|是|大米:50g；|", "9|4|牛奶|200|早餐|2026-03-04|是|牛奶:200g；|" }));
    }

    // A day without rows makes a set meal without items; an empty table starts at 0.
    m_folder.exec(PackageDb, "DELETE FROM PackageName; DELETE FROM PackageCook;");
    const auto empty = MakeSetMeal({ 0, "周一", "空", "", "大班" });
    ASSERT_TRUE(empty.ok());
    EXPECT_EQ(empty.value(), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM PackageCook"), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM PackageName"), 1);
}

TEST_F(MenuViewTest, MakeSetMealIsAllOrNothing)
{
    plan(0, "一天");
    for (int i = 0; i < 4; ++i) {
        item(i, 0, "一天", "午餐", "菜", "青菜:10g；");
    }
    const auto refused = MakeSetMeal({ 0, "一天", " \u3000 ", "2026-03-02", "小班" });
    EXPECT_FALSE(refused.ok());
    EXPECT_EQ(refused.message(), "套餐名称不能为空！");

    // The third item fails: neither the head nor the first two items may stay.
    m_folder.exec(PackageDb,
        "CREATE TRIGGER fail_third AFTER INSERT ON PackageCook WHEN (SELECT COUNT(*) FROM PackageCook) >= 3 "
        "BEGIN SELECT RAISE(ABORT, 'disk full'); END;");
    EXPECT_THROW(MakeSetMeal({ 0, "一天", "午餐套餐", "2026-03-02", "小班" }), std::runtime_error);
    EXPECT_EQ(count("SELECT COUNT(*) FROM PackageName"), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM PackageCook"), 0);
}
