#include "core/health/Examinations.h"

#include "HealthFixture.h"
#include "core/db/CppSQLite3Exception.h"
#include "core/health/ExaminationReport.h"

using namespace pelinor;

namespace {

class ExaminationsTest : public test::HealthFixture
{
protected:
    // A complete form for a child of 大班, every finding a text of its own.
    static Examination form(const std::string& archId, const std::string& name, const std::string& date)
    {
        Examination e;
        e.name = name;
        e.className = "大班";
        e.gender = "女";
        e.archId = archId;
        e.height = 110.0f;
        e.weight = 19.0f;
        e.date = date;
        e.doctor = "李医生";
        return e;
    }

    void storeRow(int id,
        const std::string& archId,
        const std::string& name,
        const std::string& className,
        const std::string& date,
        const std::string& height = "105.0")
    {
        exec(SysManagerDb,
            formatSql("INSERT INTO KqCheckIn (ID, Name, Class, Gender, StudentID, Height, Weight, BMI, LeftVision, "
                      "RightVision, Trachoma, TiJianDate, Doctor) VALUES('%d','%s','%s','男','%s','%s','17.5','15.873',"
                      "'5.0','4.9','无','%s','王医生')",
                id, name, className, archId, height, date));
    }

    std::vector<int> listedIds(const std::string& className, const DateScope& scope)
    {
        std::vector<int> ids;
        for (const auto& row : listExaminations(className, scope)) {
            ids.push_back(row.id);
        }
        return ids;
    }
};

TEST_F(ExaminationsTest, BodyMassIndexIsWorkedOutInSinglePrecisionToThreeDecimals)
{
    struct Case
    {
        float height;
        float weight;
        float expected; // -1: none
    };
    // Worked out with 32-bit floats in Python; 91.7/14.7 and 93.3/12.7 come out one thousandth
    // apart in double precision (17.481, 14.590).
    const Case cases[] = {
        { 110.0f, 19.0f, 15.702f },
        { 91.7f, 14.7f, 17.482f },
        { 93.3f, 12.7f, 14.589f },
        { 100.0f, 16.0f, 16.0f },
        { 0.0f, 19.0f, -1.0f },
        { 110.0f, 0.0f, -1.0f },
        { -110.0f, 19.0f, -1.0f },
    };
    for (const auto& c : cases) {
        const auto bmi = bodyMassIndex(c.height, c.weight);
        if (c.expected < 0) {
            EXPECT_FALSE(bmi) << c.height << "/" << c.weight;
        } else {
            ASSERT_TRUE(bmi) << c.height << "/" << c.weight;
            EXPECT_FLOAT_EQ(*bmi, c.expected) << c.height << "/" << c.weight;
        }
    }
}

TEST_F(ExaminationsTest, SavingChecksWeightThenHeightThenDoctorAndWritesNothing)
{
    struct Case
    {
        float height;
        float weight;
        const char* doctor;
        const char* message;
    };
    const Case cases[] = {
        { 0.0f, 0.0f, "", "体重不能为空！" },
        { 110.0f, -2.0f, "李医生", "体重不能为空！" },
        { 0.0f, 19.0f, "", "身高不能为空！" },
        { -1.0f, 19.0f, "李医生", "身高不能为空！" },
        { 110.0f, 19.0f, "", "登记必须要有主检医生签名！" },
        { 110.0f, 19.0f, "  ", "登记必须要有主检医生签名！" },
        // Outside what a child can measure, as on the archive form.
        { 0.01f, 19.0f, "李医生", "身高应在40～200厘米之间，请检查后重新输入！" },
        { 39.9f, 19.0f, "李医生", "身高应在40～200厘米之间，请检查后重新输入！" },
        { 200.5f, 19.0f, "李医生", "身高应在40～200厘米之间，请检查后重新输入！" },
        { 110.0f, 1.9f, "李医生", "体重应在2～100千克之间，请检查后重新输入！" },
        { 110.0f, 100.5f, "李医生", "体重应在2～100千克之间，请检查后重新输入！" },
    };
    for (const auto& c : cases) {
        Examination e = form("26000001", "王小丫", "2026-12-06");
        e.height = c.height;
        e.weight = c.weight;
        e.doctor = c.doctor;
        const auto outcome = saveExamination(e);
        EXPECT_EQ(outcome.message(), c.message) << c.height << "/" << c.weight << "/" << c.doctor;
        EXPECT_EQ(outcome.caption(), "");
    }
    EXPECT_EQ(count(SysManagerDb, "KqCheckIn"), 0u);
}

TEST_F(ExaminationsTest, EveryValueLandsInItsColumnAndComesBack)
{
    Examination e = form("26000001", "O'Hara 小丫", "2026-12-06");
    e.height = 91.7f;
    e.weight = 14.7f;
    e.bmi = 99.0f; // the form's box does not count: the index is worked out again
    const char* texts[]
        = { "c8", "c9", "c10", "c11", "c12", "c13", "c14", "c15", "c16", "c17", "c18", "c19", "c20", "c21", "c22",
              "c23", "c24", "c25", "c26", "c27", "c28", "c29", "c30", "c31", "c32", "c33", "c34", "c35", "c36", "c37" };
    std::string* members[] = { &e.vitalCapacity, &e.bloodPressure, &e.pulse, &e.heart, &e.lung, &e.liver,
        &e.gallbladder, &e.caries, &e.periodontal, &e.leftVision, &e.rightVision, &e.trachoma, &e.conjunctivitis,
        &e.vision, &e.leftHearing, &e.rightHearing, &e.ear, &e.nose, &e.pharynx, &e.larynx, &e.tonsil, &e.head, &e.neck,
        &e.spine, &e.chest, &e.limbs, &e.skin, &e.lymphNodes, &e.dietLimit, &e.healthState };
    for (std::size_t i = 0; i < std::size(members); ++i) {
        *members[i] = texts[i];
    }
    exec(SysManagerDb, "INSERT INTO KqCheckIn (ID) VALUES(6)");

    const auto saved = saveExamination(e);
    ASSERT_TRUE(saved.ok()) << saved.message();
    EXPECT_EQ(*saved, 7);

    const auto stored = rows(SysManagerDb, "SELECT * FROM KqCheckIn WHERE ID = 7");
    ASSERT_EQ(stored.size(), 1u);
    const auto& row = stored[0];
    ASSERT_EQ(row.size(), 40u);
    EXPECT_EQ(row[0], "7");
    EXPECT_EQ(row[1], "O'Hara 小丫");
    EXPECT_EQ(row[2], "大班");
    EXPECT_EQ(row[3], "女");
    EXPECT_EQ(row[4], "26000001");
    EXPECT_EQ(row[5], "91.7");
    EXPECT_EQ(row[6], "14.7");
    EXPECT_EQ(row[7], "17.482");
    for (int column = 8; column <= 37; ++column) {
        EXPECT_EQ(row[column], "c" + std::to_string(column)) << column;
    }
    EXPECT_EQ(row[38], "2026-12-06");
    EXPECT_EQ(row[39], "李医生");

    Examination expected = e;
    expected.id = 7;
    expected.bmi = 17.482f;
    EXPECT_EQ(loadExamination(7), expected);
    EXPECT_FALSE(loadExamination(8));
}

TEST_F(ExaminationsTest, ASecondExaminationOnTheSameDayIsRefusedAnotherDayIsNot)
{
    ASSERT_TRUE(saveExamination(form("26000001", "王小丫", "2026-12-06")).ok());
    struct Case
    {
        const char* archId;
        const char* className;
        const char* date;
        const char* message;
    };
    const Case cases[] = {
        { "26000001", "大班", "2026-12-06", "该信息已经存在，不能重复添加！" },
        { "26000001", "大班", "2026-12-07", "" }, { "26000002", "大班", "2026-12-06", "" }, // a namesake
        { "26000001", "中班", "2026-12-06", "" }, // held under the class it was in then
    };
    for (const auto& c : cases) {
        Examination e = form(c.archId, "王小丫", c.date);
        e.className = c.className;
        EXPECT_EQ(saveExamination(e).message(), c.message) << c.archId << c.className << c.date;
    }
    EXPECT_EQ(count(SysManagerDb, "KqCheckIn"), 4u);
}

TEST_F(ExaminationsTest, AnEditKeepsItsIdAndAFailedEditKeepsTheOldRow)
{
    const int first = *saveExamination(form("26000001", "王小丫", "2026-12-01"));
    const int second = *saveExamination(form("26000002", "赵一鸣", "2026-12-01"));
    auto edited = *loadExamination(first);
    edited.weight = 19.5f;
    edited.caries = "2颗";
    ASSERT_TRUE(saveExamination(edited).ok());
    EXPECT_EQ(count(SysManagerDb, "KqCheckIn"), 2u);
    const auto reloaded = loadExamination(first);
    ASSERT_TRUE(reloaded);
    EXPECT_EQ(reloaded->caries, "2颗");
    EXPECT_FLOAT_EQ(reloaded->weight, 19.5f);
    EXPECT_FLOAT_EQ(reloaded->bmi, 16.116f); // 19.5 / 1.1² in single precision

    // The insert fails after the delete went through: nothing of the edit may stay.
    exec(SysManagerDb,
        "CREATE TRIGGER refuse_boom BEFORE INSERT ON KqCheckIn WHEN NEW.Doctor = 'boom' "
        "BEGIN SELECT RAISE(ABORT, 'disk full'); END");
    auto failing = *reloaded;
    failing.doctor = "boom";
    EXPECT_THROW(saveExamination(failing), CppSQLite3Exception);
    EXPECT_EQ(loadExamination(first), reloaded);
    EXPECT_TRUE(loadExamination(second));
}

TEST_F(ExaminationsTest, DeletingTakesTheRowOfItsIdAndSparesANamesake)
{
    storeRow(1, "26000001", "王芳", "大班", "2026-11-16");
    storeRow(2, "26000002", "王芳", "大班", "2026-11-16");
    storeRow(3, "26000003", "王芳", "中班", "2026-11-16");
    deleteExamination(2);
    const auto left = rows(SysManagerDb, "SELECT ID FROM KqCheckIn ORDER BY ID");
    EXPECT_EQ(left, (std::vector<std::vector<std::string>> { { "1" }, { "3" } }));
}

TEST_F(ExaminationsTest, TheListGoesChildByChildOverTheRangeWithBothEnds)
{
    addChild("26000002", "乙", "大班", "女");
    addChild("26000001", "甲", "大班");
    addChild("26000009", "丙", "中班");
    // Stored out of date order; the child's archive name is shown, not the one stored then.
    storeRow(1, "26000001", "旧名", "大班", "2026-11-30", "111.25");
    storeRow(2, "26000001", "甲", "大班", "2026-11-01");
    storeRow(3, "26000001", "甲", "大班", "2026-10-31");
    storeRow(4, "26000002", "乙", "大班", "2026-12-01");
    storeRow(5, "26000002", "乙", "大班", "2026-11-15");
    storeRow(6, "26000002", "乙", "中班", "2026-11-15"); // before a move: another class
    storeRow(7, "26000009", "丙", "中班", "2026-11-15");

    EXPECT_EQ(listedIds("大班", DateRange { "2026-11-01", "2026-11-30" }), (std::vector<int> { 5, 2, 1 }));
    EXPECT_EQ(listedIds("大班", std::nullopt), (std::vector<int> { 5, 4, 3, 2, 1 }));
    EXPECT_EQ(listedIds("大班", DateRange { "2026-12-02", "2026-12-31" }), std::vector<int> {});
    EXPECT_EQ(listedIds("没有的班", std::nullopt), std::vector<int> {});

    const auto list = listExaminations("大班", DateRange { "2026-11-30", "2026-11-30" });
    ASSERT_EQ(list.size(), 1u);
    // 111.25 is a tie that printf rounds to the even digit.
    EXPECT_EQ(
        list[0], (ExaminationRow { 1, "26000001", "甲", "2026-11-30", "111.2", "17.5", "男", "5.0", "4.9", "无" }));
}

TEST_F(ExaminationsTest, ANewFormTakesTheChildFromItsArchiveAndToday)
{
    exec(RecordDb,
        "INSERT INTO ArchivesBase (ArchID, ArchName, Gender, Class, StudentID) "
        "VALUES('26000005','李可馨','女','小二班','03005')");
    const auto e = newExamination("26000005");
    ASSERT_TRUE(e);
    EXPECT_EQ(e->id, -1);
    EXPECT_EQ(e->name, "李可馨");
    EXPECT_EQ(e->className, "小二班");
    EXPECT_EQ(e->gender, "女");
    EXPECT_EQ(e->archId, "26000005");
    EXPECT_EQ(e->date, "2026-12-06");
    EXPECT_FALSE(newExamination("26009999"));
}

} // namespace

namespace {

TEST(ExaminationReportTest, GroupsLabelsAndValuesComeInPrintOrder)
{
    Examination e;
    e.name = "王小丫";
    e.className = "大班";
    e.gender = "女";
    e.archId = "26000001";
    e.height = 110.0f;
    e.weight = 19.0f;
    e.bmi = 15.702f;
    e.pulse = "96";
    e.gallbladder = "胆正常";
    e.periodontal = "牙周正常";
    e.vision = "视觉正常";
    e.tonsil = "Ⅰ度";
    e.lymphNodes = "未触及";
    e.dietLimit = "忌食鸡蛋";
    e.healthState = "良好";
    e.date = "2026-11-16";
    e.doctor = "刘静";
    const auto groups = examinationReportGroups(e);

    std::vector<std::string> headings;
    std::vector<std::size_t> sizes;
    for (const auto& group : groups) {
        headings.push_back(group.heading);
        sizes.push_back(group.lines.size());
    }
    EXPECT_EQ(headings,
        (std::vector<std::string> {
            "基本信息：", "体形机能：", "内科：", "口腔：", "眼科：", "耳鼻咽喉科：", "外科：", "" }));
    EXPECT_EQ(sizes, (std::vector<std::size_t> { 4, 6, 4, 2, 5, 7, 7, 4 }));

    // The last line of each group, and the measurements with their decimals.
    using Line = ExaminationReportLine;
    const Line lastLines[]
        = { { "学号：", "26000001" }, { "脉搏：", "96" }, { "胆：", "胆正常" }, { "牙周：", "牙周正常" },
              { "视觉：", "视觉正常" }, { "扁桃体：", "Ⅰ度" }, { "淋巴结：", "未触及" }, { "主检医生：", "刘静" } };
    for (std::size_t i = 0; i < groups.size(); ++i) {
        EXPECT_EQ(groups[i].lines.back(), lastLines[i]) << groups[i].heading;
    }
    EXPECT_EQ(groups[1].lines[0], (Line { "身高：", "110.0" }));
    EXPECT_EQ(groups[1].lines[1], (Line { "体重：", "19.0" }));
    EXPECT_EQ(groups[1].lines[2], (Line { "体质指数：", "15.702" }));
    EXPECT_EQ(groups[7].lines[0], (Line { "饮食限制：", "忌食鸡蛋" }));
    EXPECT_EQ(groups[7].lines[1], (Line { "健康状况：", "良好" }));
    EXPECT_EQ(groups[7].lines[2], (Line { "体检日期：", "2026-11-16" }));
}

} // namespace
