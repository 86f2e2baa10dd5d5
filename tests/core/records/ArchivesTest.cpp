#include "core/records/Archives.h"

#include "RecordsFixture.h"
#include "core/records/ArchiveNumbers.h"

using namespace pelinor;

namespace {

constexpr const char* kHeightRange = "身高应在40～200厘米之间，请检查后重新输入！";
constexpr const char* kWeightRange = "体重应在2～100千克之间，请检查后重新输入！";

class ArchivesTest : public test::RecordsFixture
{
protected:
    ArchiveRecord formFor(const std::string& archId, const std::string& name)
    {
        ArchiveRecord a;
        a.archId = archId;
        a.archName = name;
        a.gender = "女";
        a.nation = "汉族";
        a.height = "98.5";
        a.weight = "15";
        a.birth = "2011-05-20";
        a.schoolName = "阳光幼儿园";
        a.inTime = "2013-09-01";
        a.className = "小班";
        a.studentId = "00001";
        a.hjCla = "户籍";
        a.address = "光明路1号";
        a.guardianName = "李四";
        a.guardianTel = "13800000000";
        a.guardianRelation = "父女";
        a.aboBlood = "A";
        a.rhBlood = "Rh阳性";
        a.allergy = "无";
        a.ill = "龋齿";
        a.disable = "无";
        a.lcbx = "F1；F3；F8";
        return a;
    }
};

TEST_F(ArchivesTest, ArchiveNumbersRunPerYearAndStartAtZero)
{
    EXPECT_EQ(newArchiveId().value(), "14000000");
    addChild("13000041", "去年的", "小班");
    EXPECT_EQ(newArchiveId().value(), "14000000"); // the first of a new year
    addChild("14000000", "甲", "小班");
    addChild("14000009", "乙", "小班");
    EXPECT_EQ(newArchiveId().value(), "14000010");
    m_clock->set({ 2015, 1, 1, 0, 0, 1 });
    EXPECT_EQ(newArchiveId().value(), "15000000");
    addChild("15999998", "丙", "小班");
    EXPECT_EQ(newArchiveId().value(), "15999999");
    // The last six-digit number of the year is taken: there is no next one.
    addChild("15999999", "丁", "小班");
    EXPECT_EQ(newArchiveId().message(), "本年度的档案编号已经用完，不能再新建档案！");
}

TEST_F(ArchivesTest, ANewArchiveNeverOverwritesAnotherChild)
{
    addChild("14000000", "甲", "小班", "00001");
    const struct
    {
        const char* archId;
        const char* message;
    } cases[] = {
        { "14000000", "该档案编号已被其他幼儿使用，档案未保存。请取消后重新新建！" },
        { "", "本年度的档案编号已经用完，不能再新建档案！" },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(saveArchive(formFor(c.archId, "乙"), ArchiveSave::New).message(), c.message) << c.archId;
    }
    const auto children = loadArchives();
    ASSERT_EQ(children.size(), 1u);
    EXPECT_EQ(children[0].archName, "甲");
    EXPECT_EQ(children[0].studentId, "00001");
}

TEST_F(ArchivesTest, FormStudentNumbersFollowTheHighestOfTheClass)
{
    for (int i = 0; i < 13; ++i) {
        addClassRow(i, "班" + std::to_string(i));
    }
    addChild("14000001", "甲", "班2", "02001");
    addChild("14000002", "乙", "班2", "02002");
    addChild("14000003", "丙", "班2", "02007");
    EXPECT_EQ(studentNumberForForm("14000099", "班2"), "02008"); // a new archive
    EXPECT_EQ(studentNumberForForm("14000099", "班12"), "12001"); // an empty class
    EXPECT_EQ(studentNumberForForm("14000002", "班2"), "02002"); // already in the class: kept
    EXPECT_EQ(studentNumberForForm("14000002", "班5"), "05001"); // moved on the form
    EXPECT_EQ(studentNumberForForm("14000099", "没有的班"), "");
    // A child of a class that is gone from the class table gets its own number back.
    addChild("14000004", "丁", "旧班", "03004");
    EXPECT_EQ(studentNumberForForm("14000004", "旧班"), "03004");
    EXPECT_EQ(studentNumberForForm("14000004", "班2"), "02008");
    EXPECT_EQ(studentNumberForForm("14000099", "旧班"), "");
}

TEST_F(ArchivesTest, SavingInsertsOnceAndThenOverwrites)
{
    ArchiveRecord a = formFor("14000000", "王小丫");
    ASSERT_TRUE(saveArchive(a, ArchiveSave::New).ok());
    auto stored = loadArchive("14000000");
    ASSERT_TRUE(stored);
    a.createdTime = "2014-03-01 10:20:30";
    EXPECT_EQ(*stored, a);

    m_clock->set({ 2014, 3, 2, 8, 0, 0 });
    a.archName = "王小雅";
    a.className = "中班";
    a.studentId = "01001";
    ASSERT_TRUE(saveArchive(a, ArchiveSave::Edit).ok());
    EXPECT_EQ(loadArchives().size(), 1u);
    stored = loadArchive("14000000");
    EXPECT_EQ(stored->archName, "王小雅");
    EXPECT_EQ(stored->studentId, "01001");
    EXPECT_EQ(stored->createdTime, "2014-03-02 08:00:00");
}

TEST_F(ArchivesTest, SavingRefusesMissingParticularsAndWritesNothing)
{
    struct Case
    {
        const char* name;
        const char* height;
        const char* weight;
        const char* message;
    };
    const Case cases[] = {
        { "", "100", "16", "姓名不能为空" },
        { "  ", "100", "16", "姓名不能为空" },
        { "甲", "", "16", "请输入身高！" },
        { "甲", "0", "16", "请输入身高！" },
        { "甲", "1o0", "16", "请输入身高！" },
        { "甲", "100", "", "请输入体重" },
        { "甲", "100", "-3", "请输入体重" },
        { "", "", "", "姓名不能为空" }, // the name is looked at first
        // Outside what a child can measure: a slip of the finger, not a measurement.
        { "甲", "0.01", "16", kHeightRange },
        { "甲", "39.9", "16", kHeightRange },
        { "甲", "200.1", "16", kHeightRange },
        { "甲", "1e308", "16", kHeightRange },
        { "甲", "100", "1.99", kWeightRange },
        { "甲", "100", "100.01", kWeightRange },
        { "甲", "100", "1e308", kWeightRange },
        { "甲", "1000", "1000", kHeightRange },
    };
    for (const auto& c : cases) {
        for (const auto kind : { ArchiveSave::New, ArchiveSave::Edit }) {
            ArchiveRecord a = formFor("14000000", c.name);
            a.height = c.height;
            a.weight = c.weight;
            EXPECT_EQ(saveArchive(a, kind).message(), c.message) << c.name << "/" << c.height << "/" << c.weight;
        }
    }
    EXPECT_TRUE(loadArchives().empty());

    // The ends of both ranges are measurements.
    const std::pair<const char*, const char*> edges[] = { { "40", "2" }, { "200", "100" } };
    int number = 0;
    for (const auto& [height, weight] : edges) {
        ArchiveRecord a = formFor("1400000" + std::to_string(number++), "甲");
        a.height = height;
        a.weight = weight;
        EXPECT_TRUE(saveArchive(a, ArchiveSave::New).ok()) << height << "/" << weight;
    }
}

TEST_F(ArchivesTest, SearchByNumberNameOrBoth)
{
    addChild("14000001", "甲", "小班");
    addChild("14000002", "乙", "小班");
    addChild("14000003", "甲", "中班");
    addChild("14000004", "O'Neil", "中班");
    auto ids = [](const std::vector<ArchiveRecord>& rows) {
        std::vector<std::string> result;
        for (const auto& r : rows) {
            result.push_back(r.archId);
        }
        return result;
    };
    using Ids = std::vector<std::string>;
    EXPECT_EQ(ids(searchArchives("", "")), (Ids { "14000001", "14000002", "14000003", "14000004" }));
    EXPECT_EQ(ids(searchArchives("14000002", "")), (Ids { "14000002" }));
    EXPECT_EQ(ids(searchArchives("", "甲")), (Ids { "14000001", "14000003" }));
    EXPECT_EQ(ids(searchArchives(" 14000003 ", "甲")), (Ids { "14000003" }));
    EXPECT_EQ(ids(searchArchives("14000002", "甲")), Ids {});
    EXPECT_EQ(ids(searchArchives("", "O'Neil")), (Ids { "14000004" }));
    EXPECT_EQ(ids(archivesOfClass("中班")), (Ids { "14000003", "14000004" }));
}

TEST_F(ArchivesTest, DeletingAChildRemovesItsPlansExaminationsVaccinationsAndAttendance)
{
    addChild("14000001", "甲", "小班");
    addChild("14000002", "乙", "小班");
    m_folder.exec(PantryDb,
        "INSERT INTO PantryRecord VALUES(0,'甲的计划','一天','2014-02-01','admin','个人','甲','2014-02-03','14000001');"
        "INSERT INTO PantryRecord VALUES(1,'班计划','一天','2014-02-01','admin','团体','小班','2014-02-03','');"
        "INSERT INTO PantryRecord VALUES(2,'乙的计划','一天','2014-02-01','admin','个人','乙','2014-02-03','14000002');"
        "INSERT INTO PantryRecord "
        "VALUES(3,'甲的周计划','一周','2014-02-01','admin','个人','甲','2014-02-03','14000001');"
        "INSERT INTO PantryCook (PcookID, PcookPID, PcookName) VALUES(0,0,'米饭');"
        "INSERT INTO PantryCook (PcookID, PcookPID, PcookName) VALUES(1,1,'面条');"
        "INSERT INTO PantryCook (PcookID, PcookPID, PcookName) VALUES(2,2,'馒头');"
        "INSERT INTO PantryCook (PcookID, PcookPID, PcookName) VALUES(3,3,'鸡蛋');"
        "INSERT INTO PantryCook (PcookID, PcookPID, PcookName) VALUES(4,3,'牛奶');");
    m_folder.exec(RecordDb,
        "INSERT INTO KaoQin VALUES(0,'小班','甲','迟到','2014-02-03','','14000001');"
        "INSERT INTO KaoQin VALUES(1,'小班','乙','迟到','2014-02-03','','14000002');");
    m_folder.exec(SysManagerDb,
        "INSERT INTO KqCheckIn (ID, Name, Class, StudentID) VALUES(0,'甲','小班','14000001');"
        "INSERT INTO KqCheckIn (ID, Name, Class, StudentID) VALUES(1,'乙','小班','14000002');"
        "INSERT INTO YmCheckIn VALUES(0,'小班','甲','乙肝疫苗','2014-02-02','','14000001','');"
        "INSERT INTO YmCheckIn VALUES(1,'小班','乙','乙肝疫苗','2014-02-02','','14000002','');");

    deleteArchive("14000001");

    using Texts = std::vector<std::string>;
    EXPECT_EQ(column(RecordDb, "SELECT ArchID FROM ArchivesBase"), (Texts { "14000002" }));
    EXPECT_EQ(column(PantryDb, "SELECT PrecordID FROM PantryRecord ORDER BY PrecordID"), (Texts { "1", "2" }));
    EXPECT_EQ(column(PantryDb, "SELECT PcookName FROM PantryCook ORDER BY PcookID"), (Texts { "面条", "馒头" }));
    EXPECT_EQ(column(RecordDb, "SELECT ArchID FROM KaoQin"), (Texts { "14000002" }));
    EXPECT_EQ(column(SysManagerDb, "SELECT StudentID FROM KqCheckIn"), (Texts { "14000002" }));
    EXPECT_EQ(column(SysManagerDb, "SELECT ArchID FROM YmCheckIn"), (Texts { "14000002" }));
}

TEST_F(ArchivesTest, AFailedDeleteKeepsTheChildSoItCanBeRepeated)
{
    addChild("14000001", "甲", "小班");
    m_folder.exec(PantryDb,
        "INSERT INTO PantryRecord "
        "VALUES(0,'甲的计划','一天','2014-02-01','admin','个人','甲','2014-02-03','14000001');");
    m_folder.exec(SysManagerDb, "DROP TABLE YmCheckIn;");

    EXPECT_THROW(deleteArchive("14000001"), CppSQLite3Exception);
    EXPECT_TRUE(loadArchive("14000001"));
    // Nothing of the child went: its plan is still there for the repeated delete.
    EXPECT_EQ(column(PantryDb, "SELECT PrecordName FROM PantryRecord"), (std::vector<std::string> { "甲的计划" }));

    m_folder.exec(SysManagerDb, "CREATE TABLE YmCheckIn(ID, Class, Name, YmName, JzDate, Baizhu, ArchID, JzAddress);");
    deleteArchive("14000001");
    EXPECT_FALSE(loadArchive("14000001"));
}

TEST_F(ArchivesTest, AnArchiveWithoutNumberTakesNoGroupPlanWithIt)
{
    addChild("", "无号", "小班");
    m_folder.exec(PantryDb,
        "INSERT INTO PantryRecord VALUES(1,'班计划','一天','2014-02-01','admin','团体','小班','2014-02-03','');");
    deleteArchive("");
    EXPECT_TRUE(loadArchives().empty());
    EXPECT_EQ(column(PantryDb, "SELECT PrecordName FROM PantryRecord"), (std::vector<std::string> { "班计划" }));
}

} // namespace
