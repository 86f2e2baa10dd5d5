#include "TempDataFolder.h"
#include "core/db/CppSQLite3DB.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/wait.h>

namespace {

struct CliRun
{
    int status;
    std::string output;
};

CliRun runCli(const std::string& arguments)
{
    const std::string command = std::string(PELINOR_CLI_PATH) + " " + arguments + " 2>&1";
    CliRun run { -1, {} };
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) {
        return run;
    }
    std::array<char, 512> buffer {};
    while (fgets(buffer.data(), buffer.size(), pipe)) {
        run.output += buffer.data();
    }
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

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
