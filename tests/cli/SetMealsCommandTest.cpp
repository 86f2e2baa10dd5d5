#include "CliRun.h"
#include "TempDataFolder.h"

#include <gtest/gtest.h>

namespace {

using pelinor::test::CliRun;
using pelinor::test::runCli;

TEST(SetMealsCommandTest, ListsTheShippedSetMealsAndShowsOne)
{
    pelinor::test::TempDirectory dir;
    const std::string folder = dir.path() + "/formal";
    ASSERT_EQ(runCli("initdb " + folder).status, 0);

    const CliRun list = runCli("setmeals --data " + folder);
    ASSERT_EQ(list.status, 0) << list.output;
    EXPECT_NE(list.output.find("0\t春季营养套餐\t2026-03-16\t小班；小二班\n"), std::string::npos) << list.output;
    EXPECT_NE(list.output.find("3\t冬季暖身套餐\t"), std::string::npos);

    const CliRun one = runCli("setmeals --data " + folder + " 0");
    ASSERT_EQ(one.status, 0) << one.output;
    EXPECT_NE(one.output.find("早点\t香蕉\t80.0\t否\t香蕉:80g；\n"), std::string::npos) << one.output;
    // No child in those classes: the first stored row of age 4, the boys' (1300 kcal).
    EXPECT_NE(one.output.find("能量(kcal)\t1300.00\n"), std::string::npos) << one.output;
    EXPECT_NE(one.output.find("碳水化合物(g)\t195.00\n"), std::string::npos) << one.output;

    EXPECT_EQ(runCli("setmeals --data " + folder + " 9").status, 1);
    EXPECT_EQ(runCli("setmeals --data " + folder + " x").status, 2);
}

} // namespace
