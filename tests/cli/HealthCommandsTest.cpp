#include "CliRun.h"
#include "PdfText.h"
#include "TempDataFolder.h"
#include "core/db/DatabaseCatalog.h"

#include <gtest/gtest.h>

using namespace pelinor;

namespace {

class HealthCommandsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_folder.exec(RecordDb,
            "INSERT INTO ArchivesBase(ArchID, ArchName, Class) VALUES('25000001','甲','中班');"
            "INSERT INTO ArchivesBase(ArchID, ArchName, Class) VALUES('25000002','乙','中班');"
            "INSERT INTO KaoQin VALUES('1','中班','甲','病假','2026-11-01','','25000001');"
            "INSERT INTO KaoQin VALUES('2','中班','甲','迟到','2026-11-30','','25000001');"
            "INSERT INTO KaoQin VALUES('3','中班','乙','早退','2026-12-01','','25000002');");
        m_folder.exec(SysManagerDb,
            "INSERT INTO KqCheckIn (ID, Name, Class, Gender, StudentID, Height, Weight, BMI, LeftVision, TiJianDate, "
            "Doctor) VALUES('4','甲','中班','女','25000001','110.0','19.0','15.702','5.0','2026-11-16','刘静')");
    }
    test::CliRun cli(const std::string& arguments) const
    {
        return test::runCli(arguments + " --data '" + m_folder.path() + "'", "2>/dev/null");
    }

    test::TempDataFolder m_folder;
    test::TempDirectory m_out;
};

TEST_F(HealthCommandsTest, AttendanceCountsOverTheRangeOrEveryDateAndPrintsTheSheet)
{
    const std::string pdf = m_out.path() + "/sheet.pdf";
    const test::CliRun november = cli("attendance 中班 --from 2026-11-01 --to 2026-11-30 --pdf '" + pdf + "'");
    ASSERT_EQ(november.status, 0);
    EXPECT_EQ(november.output, "时间：2026-11-01 到 2026-11-30\n25000001\t甲\t1\t0\t1\t0\t0\n");
    const std::string sheet = test::pdfText(pdf);
    EXPECT_NE(sheet.find("时间：2026-11-01 到 2026-11-30"), std::string::npos) << sheet;
    EXPECT_NE(sheet.find("甲 1 0 1 0 0"), std::string::npos);

    const test::CliRun all = cli("attendance 中班");
    ASSERT_EQ(all.status, 0);
    EXPECT_EQ(all.output, "时间：全部\n25000001\t甲\t1\t0\t1\t0\t0\n25000002\t乙\t0\t1\t0\t0\t0\n");

    struct Case
    {
        const char* arguments;
        int status;
    };
    const Case bad[] = {
        { "attendance", 2 },
        { "attendance 中班 --from 2026-11-01", 2 },
        { "attendance 中班 --from 2026-11-01 --to 十一月", 2 },
        { "examination", 2 },
        { "examination 4x", 2 },
        { "examination 99", 1 },
    };
    for (const auto& c : bad) {
        const test::CliRun run = cli(c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments;
        EXPECT_EQ(run.output, "") << c.arguments;
    }
}

TEST_F(HealthCommandsTest, AnExaminationPrintsItsGroupsAndWritesTheReport)
{
    const std::string pdf = m_out.path() + "/report.pdf";
    const test::CliRun run = cli("examination 4 --pdf '" + pdf + "'");
    ASSERT_EQ(run.status, 0);
    for (const char* line : { "基本信息：\n\t姓名：甲\n", "\t体质指数：15.702\n", "\t左视力：5.0\n",
             "\t体检日期：2026-11-16\n\t主检医生：刘静\n" }) {
        EXPECT_NE(run.output.find(line), std::string::npos) << line;
    }
    EXPECT_EQ(test::pdfPageCount(pdf), 1);
    EXPECT_NE(test::joinedPdfText(pdf).find("主检医生：刘静"), std::string::npos);
}

} // namespace
