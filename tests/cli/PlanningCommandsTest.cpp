#include "CliRun.h"
#include "PdfText.h"
#include "TempDataFolder.h"
#include "core/db/DatabaseCatalog.h"

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

using namespace pelinor;

namespace {

class PlanningCommandsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (int i = 0; i < 4; ++i) {
            m_folder.exec(RecordDb, "INSERT INTO ArchivesBase(ArchID, ArchName, Class) VALUES('1','孩子','大班')");
        }
        m_folder.exec(PantryDb,
            "INSERT INTO PantryRecord VALUES(0,'大班周食谱','一周','2026-03-01','admin','团体','大班','2026-03-02','');"
            "INSERT INTO PantryRecord VALUES(1,'个人一天','一天','2026-03-01','admin','个人','张三','2026-03-04','9');"
            "INSERT INTO PantryCook VALUES(0,0,'米饭','大米:50g；','周二','午餐','2026-03-03','是','50');"
            "INSERT INTO PantryCook VALUES(1,0,'鸡蛋羹（少盐）','鸡蛋:40g；','周二','午餐','2026-03-03','是','40');"
            "INSERT INTO PantryCook VALUES(2,1,'苹果','苹果:100g；','一天','早点','2026-03-04','否','100');"
            "INSERT INTO PantryCook VALUES(3,0,'馒头','面粉:30g；大米:10g；','周三','早餐','2026-03-04','是','40');");
    }
    // Each test has a folder of its own for what the command writes, its messages included.
    test::CliRun cli(const std::string& arguments) const
    {
        return test::runCli(arguments, "2>'" + errorFile() + "'");
    }
    std::string errorFile() const
    {
        return m_out.path() + "/stderr.txt";
    }
    std::string errors() const
    {
        std::ifstream in(errorFile());
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    std::string data() const
    {
        return " --data '" + m_folder.path() + "'";
    }

    test::TempDataFolder m_folder;
    test::TempDirectory m_out;
};

} // namespace

TEST_F(PlanningCommandsTest, MenuPrintsTheGridAndWritesThePdf)
{
    const std::string pdf = m_out.path() + "/menu.pdf";
    const test::CliRun week = cli("menu 0 --pdf '" + pdf + "'" + data());
    ASSERT_EQ(week.status, 0) << errors();
    EXPECT_NE(week.output.find("午餐\t周二\t米饭；鸡蛋羹；大米:50g；鸡蛋:40g；\n"), std::string::npos) << week.output;
    EXPECT_NE(week.output.find("早餐\t周三\t馒头；面粉:30g；大米:10g；\n"), std::string::npos);
    EXPECT_NE(week.output.find("晚餐\t周五\t\n"), std::string::npos); // every cell has its line
    EXPECT_EQ(std::count(week.output.begin(), week.output.end(), '\n'), 25);
    EXPECT_NE(test::pdfText(pdf).find("幼儿园每周带量食谱"), std::string::npos);

    const test::CliRun day = cli("menu 1" + data());
    ASSERT_EQ(day.status, 0);
    EXPECT_EQ(day.output, "早餐\t一天\t\n早点\t一天\t苹果；苹果:100g；\n午餐\t一天\t\n午点\t一天\t\n晚餐\t一天\t\n");
}

TEST_F(PlanningCommandsTest, PurchaseListPrintsOneFoodPerLineAndExports)
{
    const std::string csv = m_out.path() + "/list.csv";
    const std::string pdf = m_out.path() + "/list.pdf";
    const test::CliRun run
        = cli("purchase-list --from 2026-03-03 --to 2026-3-4 --csv '" + csv + "' --pdf '" + pdf + "'" + data());
    ASSERT_EQ(run.status, 0) << errors();
    // Four children: 50 g × 4 × 1.3 / 1000 = 0.26 kg of rice, then 10 g more on Wednesday.
    EXPECT_EQ(run.output, "大米\t0.312\n鸡蛋\t0.208\n苹果\t0.130\n面粉\t0.156\n");
    std::ifstream in(csv, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(
        text.str(), "\xEF\xBB\xBF原料名称,原料重量(kg)\r\n大米,0.312\r\n鸡蛋,0.208\r\n苹果,0.130\r\n面粉,0.156\r\n");
    const std::string printed = test::pdfText(pdf);
    EXPECT_NE(printed.find("时间范围：2026-03-03 到 2026-03-04"), std::string::npos) << printed;
    EXPECT_NE(printed.find("面粉 0.156"), std::string::npos) << printed;

    const test::CliRun reversed = cli("purchase-list --from 2026-03-04 --to 2026-03-03" + data());
    EXPECT_EQ(reversed.status, 0);
    EXPECT_EQ(reversed.output, "");
}

TEST_F(PlanningCommandsTest, BadCallsFailWithAMessage)
{
    const struct
    {
        std::string arguments;
        int status;
        const char* message;
    } cases[] = {
        { "menu 7" + data(), 1, "7" },
        { "menu abc" + data(), 2, "abc" },
        { "menu" + data(), 2, "menu" },
        { "menu 0 --data /nonexistent/folder", 1, "/nonexistent/folder" },
        { "purchase-list --from 2026-02-30 --to 2026-03-01" + data(), 2, "2026-02-30" },
        { "purchase-list --from 2026-03-01 --to tomorrow" + data(), 2, "tomorrow" },
        { "purchase-list --from 2026-03-01" + data(), 2, "--to" },
        // A forgotten file name: the next option is not taken for one.
        { "purchase-list --from 2026-03-01 --to 2026-03-05 --csv" + data(), 2, "--csv" },
        { "purchase-list --from 2026-03-01 --to 2026-03-05 --csv /nonexistent/x.csv" + data(), 1,
            "/nonexistent/x.csv" },
        { "purchase-list --from 2026-03-01 --to 2026-03-05 --data /nonexistent/folder", 1, "/nonexistent/folder" },
    };
    for (const auto& c : cases) {
        const test::CliRun run = cli(c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments;
        EXPECT_NE(errors().find(c.message), std::string::npos) << c.arguments << ": " << errors();
    }
}
