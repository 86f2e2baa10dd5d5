#include "TempDataFolder.h"

#include <array>
#include <cstdio>
#include <gtest/gtest.h>
#include <sys/wait.h>

namespace {

struct CliResult
{
    int status;
    std::string output;
};

CliResult run(const std::string& arguments)
{
    const std::string command = std::string(PELINOR_CLI_PATH) + " " + arguments + " 2>&1";
    CliResult result { -1, {} };
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) {
        return result;
    }
    std::array<char, 512> buffer {};
    while (fgets(buffer.data(), buffer.size(), pipe)) {
        result.output += buffer.data();
    }
    const int status = pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

TEST(SetMealsCommandTest, ListsTheShippedSetMealsAndShowsOne)
{
    pelinor::test::TempDirectory dir;
    const std::string folder = dir.path() + "/formal";
    ASSERT_EQ(run("initdb " + folder).status, 0);

    const CliResult list = run("setmeals --data " + folder);
    ASSERT_EQ(list.status, 0) << list.output;
    EXPECT_NE(list.output.find("0\t春季营养套餐\t2026-03-16\t小班；小二班\n"), std::string::npos) << list.output;
    EXPECT_NE(list.output.find("3\t冬季暖身套餐\t"), std::string::npos);

    const CliResult one = run("setmeals --data " + folder + " 0");
    ASSERT_EQ(one.status, 0) << one.output;
    EXPECT_NE(one.output.find("早点\t香蕉\t80.0\t否\t香蕉:80g；\n"), std::string::npos) << one.output;
    // No child in those classes: the first stored row of age 4, the boys' (1300 kcal).
    EXPECT_NE(one.output.find("能量(kcal)\t1300.00\n"), std::string::npos) << one.output;
    EXPECT_NE(one.output.find("碳水化合物(g)\t195.00\n"), std::string::npos) << one.output;

    EXPECT_EQ(run("setmeals --data " + folder + " 9").status, 1);
    EXPECT_EQ(run("setmeals --data " + folder + " x").status, 2);
}

} // namespace
