#include "CliRun.h"
#include "TempDataFolder.h"
#include "core/db/CppSQLite3DB.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <utility>
#include <vector>

namespace {

using pelinor::test::CliRun;
using pelinor::test::runCli;

TEST(InitDbTest, CreatesAFolderOnceAndThenRefuses)
{
    pelinor::test::TempDirectory dir;
    const std::string folder = dir.path() + "/formal";
    const CliRun first = runCli("initdb " + folder);
    ASSERT_EQ(first.status, 0) << first.output;
    EXPECT_TRUE(std::filesystem::exists(folder + "/Evaluation.DLL"));
    const auto before = std::filesystem::last_write_time(folder + "/sysmanager.dll");

    const CliRun second = runCli("initdb " + folder);
    EXPECT_NE(second.status, 0);
    EXPECT_NE(second.output.find(".dll"), std::string::npos) << second.output;
    EXPECT_EQ(std::filesystem::last_write_time(folder + "/sysmanager.dll"), before);
}

std::string fileText(const std::string& path)
{
    std::ifstream file(path);
    return { std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>() };
}

// Two runs into one folder at the same moment: one makes the folder, the other refuses without
// touching it, and no work file of either is left behind.
TEST(InitDbTest, OfTwoRunsAtOnceOneWinsAndTheOtherRefusesCleanly)
{
    for (int round = 0; round < 2; ++round) {
        pelinor::test::TempDirectory dir;
        const std::string folder = dir.path() + "/formal";
        const std::string run = std::string(PELINOR_CLI_PATH) + " initdb " + folder;
        const std::string script = "cd " + dir.path() + "; (" + run + " >out1 2>&1; echo $? >status1) & (" + run
            + " >out2 2>&1; echo $? >status2) & wait";
        ASSERT_EQ(std::system(("sh -c '" + script + "'").c_str()), 0);
        std::multiset<std::string> statuses { fileText(dir.path() + "/status1"), fileText(dir.path() + "/status2") };
        ASSERT_EQ(statuses, (std::multiset<std::string> { "0\n", "1\n" }))
            << fileText(dir.path() + "/out1") << fileText(dir.path() + "/out2");
        const std::string refusal = fileText(dir.path() + "/out1") + fileText(dir.path() + "/out2");
        EXPECT_NE(refusal.find("未做任何更改"), std::string::npos) << refusal;

        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            names.insert(entry.path().filename().string());
        }
        EXPECT_EQ(names,
            (std::set<std::string> { "Evaluation.DLL", "Record.dll", "cook.dll", "gright.dll", "intakecriterion.dll",
                "knowledges.dll", "nutrient.dll", "package.dll", "pantry.dll", "review.dll", "sports.dll",
                "sysmanager.dll" }));
        for (const auto& name : names) {
            pelinor::CppSQLite3DB db;
            db.open(folder + "/" + name);
            EXPECT_EQ(db.execQuery("PRAGMA integrity_check").getStringField(0), "ok") << name;
        }
    }
}

// --if-empty (make run): a folder that is missing or holds only empty files is made; one that holds
// any data file is left exactly as it is, and that is no failure.
TEST(InitDbTest, IfEmptyMakesOnlyAFolderWithoutData)
{
    struct Case
    {
        const char* what;
        std::vector<std::pair<std::string, std::string>> files; // name, content
        bool folderExists;
        bool made;
    };
    const Case cases[] = {
        { "no folder", {}, false, true },
        { "an empty folder", {}, true, true },
        { "an empty sysmanager.dll", { { "sysmanager.dll", "" } }, true, true },
        { "one data file", { { "cook.dll", "a user's foods" } }, true, false },
        { "one data file beside an empty one", { { "cook.dll", "a user's foods" }, { "Record.dll", "" } }, true,
            false },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        pelinor::test::TempDirectory dir;
        const std::string folder = dir.path() + "/formal/";
        if (c.folderExists) {
            std::filesystem::create_directories(folder);
        }
        for (const auto& [name, content] : c.files) {
            std::ofstream(folder + name) << content;
        }
        const CliRun run = runCli("initdb --if-empty " + folder);
        EXPECT_EQ(run.status, 0) << run.output;
        if (c.made) {
            pelinor::CppSQLite3DB db;
            db.open(folder + "sysmanager.dll");
            EXPECT_EQ(db.execQuery("SELECT COUNT(*) FROM Management").getIntField(0), 1);
            continue;
        }
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator()),
            static_cast<long>(c.files.size()));
        EXPECT_EQ(fileText(folder + "cook.dll"), "a user's foods");
    }
}

TEST(InitDbTest, LargeDemoMakesTheBigKindergartenAndExcludesTheSmallDemo)
{
    pelinor::test::TempDirectory dir;
    const std::string both = dir.path() + "/both";
    const CliRun refused = runCli("initdb --demo --large-demo " + both);
    EXPECT_EQ(refused.status, 2) << refused.output;
    EXPECT_FALSE(std::filesystem::exists(both));

    const std::string folder = dir.path() + "/large";
    const CliRun made = runCli("initdb --large-demo " + folder);
    ASSERT_EQ(made.status, 0) << made.output;
    pelinor::CppSQLite3DB record;
    record.open(folder + "/Record.dll");
    EXPECT_EQ(record.execQuery("SELECT COUNT(*) FROM ArchivesBase").getIntField(0), 600);
}

TEST(InitDbTest, HelpDescribesEveryCommandAndBadCallsFail)
{
    const CliRun help = runCli("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.output.find("initdb"), std::string::npos);
    EXPECT_NE(runCli("initdb").status, 0);
    EXPECT_NE(runCli("frobnicate").status, 0);
}

} // namespace
