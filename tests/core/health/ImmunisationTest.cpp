#include "HealthFixture.h"
#include "core/db/CppSQLite3Exception.h"
#include "core/health/DueVaccinations.h"
#include "core/health/Vaccinations.h"
#include "core/health/Vaccines.h"

using namespace pelinor;

namespace {

class ImmunisationTest : public test::HealthFixture
{
protected:
    void vaccineRow(int id, const std::string& name, const std::string& start, const std::string& end)
    {
        exec(SysManagerDb, formatSql("INSERT INTO  Myym VALUES('%d','%s','%s','%s','')", id, name, start, end));
    }
    void vaccinationRow(int id,
        const std::string& className,
        const std::string& archId,
        const std::string& vaccine,
        const std::string& date)
    {
        exec(SysManagerDb,
            formatSql("INSERT INTO  YmCheckIn VALUES('%d','%s','某某','%s','%s','','%s','社区卫生服务中心')", id,
                className, vaccine, date, archId));
    }
    std::vector<std::string> vaccineNames()
    {
        std::vector<std::string> names;
        for (const auto& v : loadVaccines()) {
            names.push_back(v.name);
        }
        return names;
    }
    std::vector<std::vector<std::string>> vaccinationNames()
    {
        return rows(SysManagerDb, "SELECT ID, YmName FROM YmCheckIn ORDER BY ID");
    }
    static Vaccination entry(const std::string& archId, const std::string& vaccine, const std::string& date)
    {
        return { -1, "大班", "甲", vaccine, date, "第一剂", archId, "城东社区卫生服务中心" };
    }
};

TEST_F(ImmunisationTest, VaccineNamesAreUniqueAndMonthsAreDigitsInOrder)
{
    struct Case
    {
        Vaccine vaccine;
        const char* message;
        const char* caption;
    };
    const Case cases[] = {
        { { -1, "", "0", "6", "" }, "疫苗名称不能为空！", "" }, { { -1, "乙肝疫苗", "0", "6", "乙型肝炎" }, "", "" },
        { { -1, "乙肝疫苗", "1", "2", "" }, "该信息已经存在，不能重复添加！", "" },
        { { -1, " 乙肝疫苗 ", "1", "2", "" }, "该信息已经存在，不能重复添加！", "" },
        { { -1, "麻疹疫苗", "8a", "18", "" }, "只能输入数字！ ", "提示 " },
        { { -1, "麻疹疫苗", "8", "-1", "" }, "只能输入数字！ ", "提示 " },
        { { -1, "麻疹疫苗", "18", "8", "" }, "接种起始时间不能晚于接种终止时间！", "" },
        { { -1, "麻疹疫苗", "99999999999", "8", "" }, "月龄超出范围！", "" },
        { { -1, "麻疹疫苗", "", "", "" }, "", "" }, // the window may be left open
    };
    for (const auto& c : cases) {
        const auto outcome = addVaccine(c.vaccine);
        EXPECT_EQ(outcome.message(), c.message) << c.vaccine.name << c.vaccine.startMonth;
        EXPECT_EQ(outcome.caption(), c.caption) << c.vaccine.name << c.vaccine.startMonth;
    }
    EXPECT_EQ(vaccineNames(), (std::vector<std::string> { "乙肝疫苗", "麻疹疫苗" }));
    EXPECT_EQ(rows(SysManagerDb, "SELECT * FROM Myym ORDER BY ID"),
        (std::vector<std::vector<std::string>> {
            { "1", "乙肝疫苗", "0", "6", "乙型肝炎" }, { "2", "麻疹疫苗", "", "", "" } }));
}

TEST_F(ImmunisationTest, ARenameIsCarriedToTheVaccinationsInTheSameTransaction)
{
    vaccineRow(1, "乙肝疫苗", "0", "6");
    vaccineRow(2, "卡介苗", "0", "3");
    vaccinationRow(1, "大班", "26000001", "乙肝疫苗", "2023-01-01");
    vaccinationRow(2, "大班", "26000002", "卡介苗", "2023-01-01");
    vaccinationRow(3, "中班", "26000003", "乙肝疫苗", "2023-02-01");

    EXPECT_EQ(updateVaccine({ 1, "卡介苗", "0", "6", "" }).message(), "该信息已经存在，不能重复添加！");
    EXPECT_TRUE(updateVaccine({ 1, "乙肝疫苗", "0", "7", "三剂" }).ok()); // its own name is no duplicate
    EXPECT_EQ(updateVaccine({ 9, "新疫苗", "0", "7", "" }).message(), "该疫苗已不存在！");
    ASSERT_TRUE(updateVaccine({ 1, "乙型肝炎疫苗", "0", "6", "三剂" }).ok());
    EXPECT_EQ(vaccineNames(), (std::vector<std::string> { "乙型肝炎疫苗", "卡介苗" }));
    EXPECT_EQ(vaccinationNames(),
        (std::vector<std::vector<std::string>> {
            { "1", "乙型肝炎疫苗" }, { "2", "卡介苗" }, { "3", "乙型肝炎疫苗" } }));

    // The vaccinations cannot follow: the vaccine keeps its name too.
    exec(SysManagerDb,
        "CREATE TRIGGER refuse_rename BEFORE UPDATE ON YmCheckIn WHEN NEW.YmName = '坏名' "
        "BEGIN SELECT RAISE(ABORT, 'disk full'); END");
    EXPECT_THROW(updateVaccine({ 1, "坏名", "0", "6", "" }), CppSQLite3Exception);
    EXPECT_EQ(vaccineNames(), (std::vector<std::string> { "乙型肝炎疫苗", "卡介苗" }));
}

TEST_F(ImmunisationTest, DeletingAVaccineGoesByNumberAndLeavesTheRegister)
{
    vaccineRow(1, "流感疫苗", "6", "72");
    vaccineRow(2, "流感疫苗", "6", "36"); // an old twin from before names were checked
    vaccinationRow(1, "大班", "26000001", "流感疫苗", "2026-10-01");
    deleteVaccine(2);
    EXPECT_EQ(
        rows(SysManagerDb, "SELECT ID, EndTime FROM Myym"), (std::vector<std::vector<std::string>> { { "1", "72" } }));
    EXPECT_EQ(count(SysManagerDb, "YmCheckIn"), 1u);
}

TEST_F(ImmunisationTest, AVaccinationNeedsAPlaceAChildAndAVaccineAndComesOncePerDay)
{
    struct Case
    {
        Vaccination v;
        const char* message;
    };
    auto with = [](Vaccination v, auto change) {
        change(v);
        return v;
    };
    const Vaccination good = entry("26000001", "流感疫苗", "2026-10-01");
    const Case cases[] = {
        { with(good, [](Vaccination& v) { v.place = " "; }), "请填写接种地点！" },
        { with(good,
              [](Vaccination& v) {
                  v.place = "";
                  v.className = "";
              }),
            "请填写接种地点！" },
        { with(good, [](Vaccination& v) { v.className = ""; }), "请选择班级！" },
        { with(good, [](Vaccination& v) { v.archId = ""; }), "请选择对象！" },
        { with(good, [](Vaccination& v) { v.vaccine = ""; }), "请选择疫苗！" },
        { good, "" },
        { with(good, [](Vaccination& v) { v.remark = "又一次"; }), "该信息已经存在，不能重复添加！" },
        { with(good, [](Vaccination& v) { v.date = "2026-10-02"; }), "" },
        { with(good, [](Vaccination& v) { v.vaccine = "水痘疫苗"; }), "" },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(registerVaccination(c.v).message(), c.message) << c.v.className << c.v.archId << c.v.vaccine;
    }
    EXPECT_EQ(rows(SysManagerDb, "SELECT * FROM YmCheckIn WHERE ID = 1"),
        (std::vector<std::vector<std::string>> {
            { "1", "大班", "甲", "流感疫苗", "2026-10-01", "第一剂", "26000001", "城东社区卫生服务中心" } }));
    EXPECT_EQ(count(SysManagerDb, "YmCheckIn"), 3u);
}

TEST_F(ImmunisationTest, AnEditIsNoDuplicateOfItselfAndKeepsTheChild)
{
    const int first = *registerVaccination(entry("26000001", "流感疫苗", "2026-10-01"));
    const int second = *registerVaccination(entry("26000001", "流感疫苗", "2026-11-01"));
    Vaccination edit = *loadVaccination(first);
    edit.remark = "补种";
    edit.className = "中班"; // class, child and archive number are not the edit's to change
    edit.archId = "26009999";
    ASSERT_TRUE(updateVaccination(edit).ok());
    const auto stored = loadVaccination(first);
    EXPECT_EQ(stored->remark, "补种");
    EXPECT_EQ(stored->className, "大班");
    EXPECT_EQ(stored->archId, "26000001");

    edit = *loadVaccination(second);
    edit.date = "2026-10-01";
    EXPECT_EQ(updateVaccination(edit).message(), "该信息已经存在，不能重复添加！");
    edit.place = "";
    EXPECT_EQ(updateVaccination(edit).message(), "请填写接种地点！");
    EXPECT_EQ(loadVaccination(second)->date, "2026-11-01");
    edit = *loadVaccination(second);
    edit.vaccine = "水痘疫苗";
    edit.date = "2026-10-01";
    EXPECT_TRUE(updateVaccination(edit).ok());
}

TEST_F(ImmunisationTest, TheRegisterListsNewestFirstAndReachesRowsWithoutAChild)
{
    addChild("26000001", "甲", "大班", "女");
    vaccinationRow(3, "大班", "26000001", "流感疫苗", "2026-10-01");
    vaccinationRow(7, "大班", "26000001", "流感疫苗", "2026-11-30");
    vaccinationRow(5, "大班", "26000404", "流感疫苗", "2026-11-01"); // the archive was deleted outside
    vaccinationRow(6, "大班", "26000001", "水痘疫苗", "2026-11-01");
    vaccinationRow(8, "中班", "26000001", "流感疫苗", "2026-11-02");

    const auto all = listVaccinations("大班", "流感疫苗", std::nullopt);
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[0],
        (VaccinationRow { 7, "26000001", "甲", "女", "大班", "流感疫苗", "2026-11-30", "社区卫生服务中心", "" }));
    EXPECT_EQ(all[1], (VaccinationRow { 5, "", "", "", "", "流感疫苗", "2026-11-01", "社区卫生服务中心", "" }));
    EXPECT_EQ(all[2].id, 3);

    const auto november = listVaccinations("大班", "流感疫苗", DateRange { "2026-11-01", "2026-11-30" });
    ASSERT_EQ(november.size(), 2u);
    EXPECT_EQ(november[0].id, 7);
    EXPECT_EQ(november[1].id, 5);

    deleteVaccination(5);
    EXPECT_EQ(listVaccinations("大班", "流感疫苗", std::nullopt).size(), 2u);
    EXPECT_EQ(count(SysManagerDb, "YmCheckIn"), 4u);
}

TEST_F(ImmunisationTest, AVaccineIsDueInsideItsWindowUntilItIsGiven)
{
    addChild("22000001", "甲", "大班", "男", "2022-03-15");
    addChild("22000002", "乙", "大班", "女", "2022-01-31");
    addChild("22000003", "丙", "大班", "女", "不详");
    vaccineRow(1, "水痘疫苗", "12", "48");
    vaccineRow(2, "出生疫苗", "0", "0");
    vaccineRow(3, "未定疫苗", "", "");

    // 甲: 12 months on 2023-03-15; the last day of month 48 of age is the day before 49 months.
    struct Case
    {
        DateTime today;
        std::vector<std::string> due; // "archive number/vaccine/window"
    };
    const Case cases[] = {
        { { 2023, 1, 30 }, {} },
        { { 2023, 1, 31 }, { "22000002/水痘疫苗/2023-01-31..2026-02-27" } },
        { { 2023, 3, 14 }, { "22000002/水痘疫苗/2023-01-31..2026-02-27" } },
        { { 2023, 3, 15 }, { "22000001/水痘疫苗/2023-03-15..2026-04-14", "22000002/水痘疫苗/2023-01-31..2026-02-27" } },
        { { 2026, 2, 27 }, { "22000001/水痘疫苗/2023-03-15..2026-04-14", "22000002/水痘疫苗/2023-01-31..2026-02-27" } },
        { { 2026, 2, 28 }, { "22000001/水痘疫苗/2023-03-15..2026-04-14" } },
        { { 2026, 4, 14 }, { "22000001/水痘疫苗/2023-03-15..2026-04-14" } },
        { { 2026, 4, 15 }, {} },
        // Month 0 of a child born on 31 January ends the day before it is one month old (28 February).
        { { 2022, 2, 27 }, { "22000002/出生疫苗/2022-01-31..2022-02-27" } },
        { { 2022, 2, 28 }, {} },
    };
    for (const auto& c : cases) {
        std::vector<std::string> due;
        for (const auto& d : dueVaccinations("大班", { c.today.year, c.today.month, c.today.day })) {
            due.push_back(d.archId + "/" + d.vaccine + "/" + d.windowStart + ".." + d.windowEnd);
        }
        EXPECT_EQ(due, c.due) << c.today.dateText();
    }

    // Given under the class the child was in then: no longer due.
    vaccinationRow(1, "中班", "22000001", "水痘疫苗", "2023-04-01");
    const auto due = dueVaccinations("大班", { 2024, 1, 1 });
    ASSERT_EQ(due.size(), 1u);
    EXPECT_EQ(
        due[0], (DueVaccination { "22000002", "乙", "女", "2022-01-31", "水痘疫苗", "2023-01-31", "2026-02-27" }));
}

} // namespace
