#include "core/records/Classes.h"

#include "RecordsFixture.h"
#include "core/records/Archives.h"

using namespace pelinor;

namespace {

class ClassesTest : public test::RecordsFixture
{
protected:
    std::vector<std::string> classNames()
    {
        return loadClassNames();
    }
    std::string studentIdOf(const std::string& archId)
    {
        return loadArchive(archId)->studentId;
    }
};

TEST_F(ClassesTest, NewClassesGetTheNextIdStartingAtZero)
{
    EXPECT_TRUE(addClass("小班").ok()); // the first class of an empty table is 0
    EXPECT_TRUE(addClass("  中班 ").ok()); // stored without the blanks around it
    addClassRow(7, "七班");
    EXPECT_TRUE(addClass("八班").ok());
    EXPECT_EQ(findClassId("小班"), 0);
    EXPECT_EQ(findClassId("中班"), 1);
    EXPECT_EQ(findClassId("八班"), 8);
    EXPECT_EQ(findClassId("九班"), -1);
    EXPECT_EQ(classNames(), (std::vector<std::string> { "小班", "中班", "七班", "八班" }));
}

TEST_F(ClassesTest, BadNamesAreRefusedAndChangeNothing)
{
    addClassRow(0, "小班");
    addClassRow(1, "中班");
    struct Case
    {
        const char* name;
        const char* message;
    };
    const Case cases[] = {
        { "", "请填写班级名称" },
        { "   ", "请填写班级名称" },
        { "小班", "该名称已经存在，请重新输入！" },
        { "甲；乙", "班级名称不能含有“；”" },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(addClass(c.name).message(), c.message) << c.name;
        EXPECT_EQ(renameClass("中班", c.name).message(), c.message) << c.name;
    }
    EXPECT_EQ(renameClass("没有的班", "新班").message(), "请选择修改班级！");
    EXPECT_EQ(classNames(), (std::vector<std::string> { "小班", "中班" }));
}

TEST_F(ClassesTest, DeletingRefusesTheAgeGroupsAndClassesWithChildren)
{
    for (int i = 0; i < 3; ++i) {
        addClassRow(i, std::vector<std::string> { "小班", "中班", "大班" }[i]);
    }
    addClassRow(3, "一班");
    addClassRow(4, "二班");
    addChild("14000000", "张三", "一班");
    for (const char* ageGroup : { "小班", "中班", "大班" }) {
        EXPECT_EQ(deleteClass(ageGroup).message(), "不能删除小班、中班和大班！") << ageGroup;
    }
    EXPECT_EQ(deleteClass("一班").message(), "该班内还有学生，无法删除！");
    EXPECT_TRUE(deleteClass("二班").ok());
    EXPECT_EQ(classNames(), (std::vector<std::string> { "小班", "中班", "大班", "一班" }));
}

TEST_F(ClassesTest, AClassNamedWithAnApostropheLivesLikeAnyOther)
{
    const std::string name = "Tom's 班";
    ASSERT_TRUE(addClass(name).ok());
    EXPECT_EQ(addClass(name).message(), "该名称已经存在，请重新输入！");
    EXPECT_EQ(findClassId(name), 0);
    addChild("14000000", "O'Neil", name);
    EXPECT_EQ(childrenOfClass(name), (std::vector<ChildRef> { { "14000000", "O'Neil" } }));
    ASSERT_TRUE(renameClass(name, "Ann's 班").ok());
    EXPECT_EQ(loadArchive("14000000")->className, "Ann's 班");
    deleteArchive("14000000");
    EXPECT_TRUE(deleteClass("Ann's 班").ok());
    EXPECT_TRUE(classNames().empty());
}

TEST_F(ClassesTest, MovedChildrenGetNumbersOfTheTargetClass)
{
    for (int i = 0; i < 12; ++i) {
        addClassRow(i, "班" + std::to_string(i));
    }
    // Nine children in the fourth class, two to move in from the first.
    for (int i = 1; i <= 9; ++i) {
        addChild("1300000" + std::to_string(i), "孩子" + std::to_string(i), "班3", "0300" + std::to_string(i));
    }
    addChild("14000001", "王五", "班0", "00001");
    addChild("14000002", "王五", "班0", "00002"); // the same name twice: only the archive number tells them apart
    addChild("14000003", "赵六", "班0", "00003");

    ASSERT_TRUE(moveChildren("班0", "班3", { "14000002", "14000003" }).ok());
    EXPECT_EQ(studentIdOf("14000002"), "03010");
    EXPECT_EQ(studentIdOf("14000003"), "03011");
    EXPECT_EQ(loadArchive("14000001")->className, "班0");
    EXPECT_EQ(studentIdOf("14000001"), "00001");

    ASSERT_TRUE(moveChildren("班0", "班11", { "14000001" }).ok());
    EXPECT_EQ(studentIdOf("14000001"), "11001");
    EXPECT_EQ(loadArchive("14000001")->className, "班11");
}

TEST_F(ClassesTest, AMoveNeverRepeatsANumberNorRenumbersAChildOfTheClass)
{
    addClassRow(0, "小班");
    addClassRow(1, "中班");
    addChild("14000001", "甲", "中班", "01001");
    addChild("14000002", "乙", "中班", "01003"); // 01002 has left the class
    addChild("14000003", "丙", "小班", "00001");
    ASSERT_TRUE(moveChildren("小班", "中班", { "14000003", "14000003", "14000001", "没有的档案" }).ok());
    EXPECT_EQ(studentIdOf("14000003"), "01004");
    EXPECT_EQ(studentIdOf("14000001"), "01001"); // in the class already: untouched
}

TEST_F(ClassesTest, MoveRefusalsLeaveEveryChildWhereItWas)
{
    addClassRow(0, "小班");
    addClassRow(1, "中班");
    addChild("14000001", "甲", "小班", "00001");
    EXPECT_EQ(moveChildren("小班", "", { "14000001" }).message(), "请选择目标班级");
    EXPECT_EQ(moveChildren("小班", "小班", { "14000001" }).message(), "目标班级与调整班级不能相同");
    EXPECT_EQ(moveChildren("小班", "已删除的班", { "14000001" }).message(), "请选择目标班级");
    EXPECT_EQ(loadArchive("14000001")->className, "小班");
    EXPECT_EQ(studentIdOf("14000001"), "00001");
}

TEST_F(ClassesTest, RenameCarriesTheNameToEveryRecordThatHoldsIt)
{
    addClassRow(0, "大班");
    addClassRow(1, "大班二");
    addChild("14000001", "甲", "大班", "00001");
    addChild("14000002", "乙", "大班二", "01001");
    m_folder.exec(RecordDb, "INSERT INTO KaoQin VALUES(0,'大班','甲','迟到','2014-02-03','','14000001');");
    m_folder.exec(SysManagerDb,
        "INSERT INTO KqCheckIn (ID, Name, Class, StudentID, TiJianDate) VALUES(0,'甲','大班','14000001','2014-02-01');"
        "INSERT INTO YmCheckIn VALUES(0,'大班','甲','乙肝疫苗','2014-02-02','','14000001','保健站');"
        "INSERT INTO YmCheckIn VALUES(1,'大班二','乙','乙肝疫苗','2014-02-02','','14000002','保健站');");
    m_folder.exec(PantryDb,
        "INSERT INTO PantryRecord VALUES(0,'周计划','一周','2014-02-01','admin','团体','小班；大班','2014-02-03','');"
        "INSERT INTO PantryRecord VALUES(1,'一天','一天','2014-02-01','admin','团体','大班；','2014-02-04','');"
        "INSERT INTO PantryRecord VALUES(2,'个人','一天','2014-02-01','admin','个人','大班','2014-02-04','14000009');"
        "INSERT INTO PantryRecord VALUES(3,'二班','一天','2014-02-01','admin','团体','大班二','2014-02-04','');");
    m_folder.exec(PackageDb,
        "INSERT INTO PackageName VALUES(0,'春季套餐','2014-02-01','大班；中班');"
        "INSERT INTO PackageName VALUES(1,'二班套餐','2014-02-01','大班二');");

    ASSERT_TRUE(renameClass("大班", "星星班").ok());

    EXPECT_EQ(classNames(), (std::vector<std::string> { "星星班", "大班二" }));
    EXPECT_EQ(findClassId("星星班"), 0);
    EXPECT_EQ(childrenOfClass("星星班"), (std::vector<ChildRef> { { "14000001", "甲" } }));
    EXPECT_EQ(loadArchive("14000002")->className, "大班二");
    EXPECT_EQ(column(RecordDb, "SELECT Class FROM KaoQin"), (std::vector<std::string> { "星星班" }));
    EXPECT_EQ(column(SysManagerDb, "SELECT Class FROM KqCheckIn"), (std::vector<std::string> { "星星班" }));
    EXPECT_EQ(column(SysManagerDb, "SELECT Class FROM YmCheckIn ORDER BY ID"),
        (std::vector<std::string> { "星星班", "大班二" }));
    EXPECT_EQ(column(PantryDb, "SELECT PrecordSujects FROM PantryRecord ORDER BY PrecordID"),
        (std::vector<std::string> { "小班；星星班", "星星班；", "大班", "大班二" }));
    EXPECT_EQ(column(PackageDb, "SELECT PackageObject FROM PackageName ORDER BY ID"),
        (std::vector<std::string> { "星星班；中班", "大班二" }));
}

TEST_F(ClassesTest, ARenameThatFailsPartWayChangesNoFileAtAll)
{
    addClassRow(0, "大班");
    addChild("14000001", "甲", "大班", "00001");
    m_folder.exec(
        SysManagerDb, "INSERT INTO YmCheckIn VALUES(0,'大班','甲','乙肝疫苗','2014-02-02','','14000001','');");
    m_folder.exec(PackageDb, "DROP TABLE PackageName;"); // the last step of the rename cannot run

    EXPECT_THROW(renameClass("大班", "星星班"), CppSQLite3Exception);
    EXPECT_EQ(classNames(), (std::vector<std::string> { "大班" }));
    EXPECT_EQ(loadArchive("14000001")->className, "大班");
    EXPECT_EQ(column(SysManagerDb, "SELECT Class FROM YmCheckIn"), (std::vector<std::string> { "大班" }));
}

} // namespace
