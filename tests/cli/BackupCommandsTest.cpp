#include "CliRun.h"
#include "TempDataFolder.h"
#include "core/db/CppSQLite3DB.h"
#include "core/db/DatabaseCatalog.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace pelinor;

namespace {

using test::CliRun;
using test::runCli;

std::string className(const std::string& folder)
{
    CppSQLite3DB db;
    db.open(databasePathIn(folder, RecordDb));
    return db.execQuery("SELECT ClassName FROM ClassInfo WHERE ID = 1").getStringField(0);
}

TEST(BackupCommandsTest, BackUpListAndRestoreForANightlyJob)
{
    test::TempDirectory dir;
    const std::string folder = dir.path() + "/formal";
    ASSERT_EQ(runCli("initdb " + folder).status, 0);
    const std::string data = " --data " + folder;
    const std::string before = className(folder);

    const CliRun first = runCli("backup" + data);
    ASSERT_EQ(first.status, 0) << first.output;
    EXPECT_NE(first.output.find("数据库备份成功！"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() + "/BFWJ"));
    const CliRun second = runCli("backup --user 夜间任务" + data);
    ASSERT_EQ(second.status, 0) << second.output;
    EXPECT_NE(second.output.find("夜间任务"), std::string::npos); // warned: no such account

    const CliRun list = runCli("backups" + data);
    ASSERT_EQ(list.status, 0);
    ASSERT_EQ(std::count(list.output.begin(), list.output.end(), '\n'), 2) << list.output;
    EXPECT_TRUE(list.output.starts_with("2\t夜间任务\t")) << list.output;
    EXPECT_NE(list.output.find("\n1\tadmin\t"), std::string::npos) << list.output;

    {
        CppSQLite3DB db;
        db.open(databasePathIn(folder, RecordDb));
        db.execQuery("UPDATE ClassInfo SET ClassName = '改过的' WHERE ID = 1");
    }
    const CliRun restored = runCli("restore 1" + data);
    EXPECT_EQ(restored.status, 0) << restored.output;
    EXPECT_EQ(className(folder), before);

    const struct
    {
        const char* command;
        const char* rest; // after --data DIR
        int status;
    } refusals[] = {
        { "restore", " 9", 1 },
        { "restore", " 1x", 2 },
        { "restore", "", 2 },
        { "restore", " 1 2", 2 },
        { "backup", " --user", 2 },
        { "backup", " extra", 2 },
        { "backups", " --all", 2 },
    };
    for (const auto& r : refusals) {
        EXPECT_EQ(runCli(r.command + data + r.rest).status, r.status) << r.command << r.rest;
    }
    // A data folder missing a file makes no set.
    std::filesystem::remove(databasePathIn(folder, CookDb));
    EXPECT_EQ(runCli("backup" + data).status, 1);
    std::filesystem::remove(databasePathIn(folder, RecordDb));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path() + "/BFWJ"), {}), 22);
}

} // namespace
