#include "core/db/DataFolder.h"

#include "TempDataFolder.h"
#include "core/db/CppSQLite3DB.h"
#include "core/db/CppSQLite3Exception.h"
#include "core/db/DatabaseCatalog.h"
#include "core/db/SqlFormat.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <stdexcept>

using namespace pelinor;

namespace {

int columnCount(int databaseId, const std::string& folder, const std::string& table)
{
    CppSQLite3DB db;
    db.open(databasePathIn(folder, databaseId));
    CppSQLite3Query query = db.execQuery(formatSql("SELECT count(*) FROM pragma_table_info('%s')", table));
    return query.getIntField(0);
}

TEST(DataFolderTest, EveryTableHasItsColumns)
{
    test::TempDirectory dir;
    const std::string folder = dir.path() + "/formal";
    ASSERT_TRUE(createDataFolder(folder, DataFolderContent::FirstRows).ok());

    struct Case
    {
        int db;
        const char* table;
        int columns;
    };
    const Case cases[] = {
        { RecordDb, "ClassInfo", 2 },
        { RecordDb, "ArchivesBase", 23 },
        { RecordDb, "KaoQin", 7 },
        { SysManagerDb, "KqCheckIn", 40 },
        { SysManagerDb, "Myym", 5 },
        { SysManagerDb, "YmCheckIn", 8 },
        { SysManagerDb, "Management", 12 },
        { SysManagerDb, "ManageRolse", 3 },
        { SysManagerDb, "SJKBFTS", 3 },
        { CookDb, "FoodType", 3 },
        { CookDb, "FoodShow", 45 },
        { CookDb, "FoodCollocation", 7 },
        { CookDb, "CookType", 3 },
        { CookDb, "CookShow", 14 },
        { CookDb, "CookFood", 5 },
        { CookDb, "CXC", 5 },
        { GrightDb, "FoodBarter", 5 },
        { GrightDb, "FoodPhaseg", 5 },
        { PantryDb, "PantryRecord", 9 },
        { PantryDb, "PantryCook", 9 },
        { PackageDb, "PackageName", 4 },
        { PackageDb, "PackageCook", 8 },
        { NutrientDb, "NutrientType", 2 },
        { NutrientDb, "NutrientShow", 10 },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(columnCount(c.db, folder, c.table), c.columns) << c.table;
    }
    EXPECT_GE(columnCount(IntakeCriterionDb, folder, "CDRIS"), 31);
}

TEST(DataFolderTest, FirstRowsHoldTheAdministratorAndTheBuiltInClasses)
{
    test::TempDataFolder folder(DataFolderContent::FirstRows);
    CppSQLite3DB db;
    db.open(GetDatabasePath(SysManagerDb));
    CppSQLite3Query account = db.execQuery("SELECT * FROM Management WHERE ManageUser = 'admin'");
    ASSERT_FALSE(account.eof());
    EXPECT_EQ(account.getStringField(2), "vanto");
    EXPECT_EQ(account.getStringField(8), "超级管理员");
    EXPECT_EQ(account.getStringField(9), "启用");

    CppSQLite3Query role = db.execQuery("SELECT * FROM ManageRolse WHERE RolseID = 0");
    ASSERT_FALSE(role.eof());
    EXPECT_EQ(role.getStringField(1), "超级管理员");
    const std::string codes = role.getStringField(2);
    EXPECT_EQ(codes.substr(0, 3), "C01");
    EXPECT_NE(codes.substr(codes.size() - 3), "；");

    db.open(GetDatabasePath(RecordDb));
    CppSQLite3Query classes = db.execQuery("SELECT * FROM ClassInfo");
    for (const char* name : { "小班", "中班", "大班" }) {
        ASSERT_FALSE(classes.eof());
        EXPECT_EQ(classes.getStringField(1), name);
        classes.nextRow();
    }
    EXPECT_TRUE(classes.eof());
}

TEST(DataFolderTest, AnExistingFileIsNeverReplaced)
{
    test::TempDirectory dir;
    const std::string folder = dir.path() + "/formal/";
    std::filesystem::create_directories(folder);
    {
        std::ofstream(folder + "package.dll") << "a user's own data";
    }
    const auto result = createDataFolder(folder, DataFolderContent::FirstRows);
    EXPECT_FALSE(result.ok());
    EXPECT_NE(result.message().find("package.dll"), std::string::npos);
    // Nothing else was written beside it.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator()), 1);
    std::ifstream kept(folder + "package.dll");
    std::string content((std::istreambuf_iterator<char>(kept)), std::istreambuf_iterator<char>());
    EXPECT_EQ(content, "a user's own data");
}

TEST(DataFolderTest, AFillerWritesInsideEachFilesTransactionAndAFailureLeavesNothing)
{
    test::TempDirectory dir;
    const std::string folder = dir.path() + "/formal/";
    std::vector<int> seen;
    const auto made = createDataFolder(folder, DataFolderContent::FirstRows, [&](int id, CppSQLite3DB& db) {
        seen.push_back(id);
        if (id == RecordDb) {
            db.execQuery("INSERT INTO ClassInfo VALUES(3,'小二班')");
        }
    });
    ASSERT_TRUE(made.ok()) << made.message();
    EXPECT_EQ(seen, (std::vector<int> { 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12 }));
    CppSQLite3DB record;
    record.open(databasePathIn(folder, RecordDb));
    EXPECT_EQ(record.execQuery("SELECT ClassName FROM ClassInfo ORDER BY rowid DESC").getStringField(0), "小二班");
    record.close();

    // A filler that fails part-way, after some files are complete: whatever the call made is gone,
    // folders included, and what was there before stays as it was.
    struct Failure
    {
        const char* what;
        std::function<void()> failure;
        const char* message;
    };
    const Failure failures[] = {
        { "database", [] { throw CppSQLite3Exception(19, "UNIQUE constraint failed"); }, "UNIQUE constraint failed" },
        { "generator", [] { throw std::logic_error("no dishes"); }, "no dishes" },
    };
    struct Start
    {
        const char* what;
        const char* folder;
        std::vector<std::string> before; // files of 0 bytes in the folder, which must exist
    };
    const Start starts[] = {
        { "new folders", "new/deeper/", {} },
        { "empty folder", "empty/", {} },
        { "an empty data file", "zero/", { "sysmanager.dll" } },
    };
    for (const Start& start : starts) {
        const std::string other = dir.path() + "/" + start.folder;
        if (start.what != std::string("new folders")) {
            std::filesystem::create_directories(other);
        }
        for (const auto& name : start.before) {
            std::ofstream(other + name).close();
        }
        for (const Failure& c : failures) {
            const auto failed = createDataFolder(other, DataFolderContent::FirstRows, [&](int id, CppSQLite3DB& db) {
                if (id == RecordDb) {
                    db.execQuery("INSERT INTO ClassInfo VALUES(3,'小二班')");
                } else if (id == SysManagerDb) {
                    c.failure();
                }
            });
            SCOPED_TRACE(std::string(start.what) + ", " + c.what);
            EXPECT_FALSE(failed.ok());
            EXPECT_NE(failed.message().find(c.message), std::string::npos) << failed.message();
            if (start.what == std::string("new folders")) {
                EXPECT_FALSE(std::filesystem::exists(dir.path() + "/new"));
                continue;
            }
            std::vector<std::string> left;
            for (const auto& entry : std::filesystem::directory_iterator(other)) {
                left.push_back(entry.path().filename().string());
                EXPECT_EQ(std::filesystem::file_size(entry.path()), 0u) << left.back();
            }
            EXPECT_EQ(left, start.before);
        }
    }
}

// What lies in a folder: each entry's name, kind and size (links as their target text).
std::map<std::string, std::string> listing(const std::string& folder)
{
    std::map<std::string, std::string> entries;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const auto& path = entry.path();
        std::string what;
        if (entry.is_symlink()) {
            what = "link to " + std::filesystem::read_symlink(path).string();
        } else if (entry.is_directory()) {
            what = "folder";
        } else {
            what = std::to_string(entry.file_size()) + " bytes";
        }
        entries[path.filename().string()] = what;
    }
    return entries;
}

// Any name that is taken stops a new folder, links to nothing and the journals of a file
// included; a file of 0 bytes holds nothing and is replaced.
TEST(DataFolderTest, AnyTakenNameIsRefusedAndOnlyAnEmptyFileIsReplaced)
{
    struct Case
    {
        const char* what;
        std::function<void(const std::string& folder)> prepare;
        const char* refusedName; // nullptr: the folder is made
    };
    const auto write
        = [](const std::string& path, const std::string& content) { std::ofstream(path, std::ios::binary) << content; };
    const Case cases[] = {
        { "an empty file", [&](const std::string& f) { write(f + "sysmanager.dll", ""); }, nullptr },
        { "two empty files",
            [&](const std::string& f) {
                write(f + "sysmanager.dll", "");
                write(f + "Evaluation.DLL", "");
            },
            nullptr },
        { "a link to nothing",
            [](const std::string& f) { std::filesystem::create_symlink(f + "gone/cook.dll", f + "cook.dll"); },
            "cook.dll" },
        { "a link to an empty file",
            [&](const std::string& f) {
                write(f + "empty", "");
                std::filesystem::create_symlink(f + "empty", f + "gright.dll");
            },
            "gright.dll" },
        { "a folder", [](const std::string& f) { std::filesystem::create_directory(f + "Record.dll"); }, "Record.dll" },
        { "a journal", [&](const std::string& f) { write(f + "pantry.dll-journal", "pages"); }, "pantry.dll-journal" },
        { "a write-ahead log", [&](const std::string& f) { write(f + "nutrient.dll-wal", "pages"); },
            "nutrient.dll-wal" },
        { "an empty file beside data",
            [&](const std::string& f) {
                write(f + "sysmanager.dll", "");
                write(f + "package.dll", "a user's set meals");
            },
            "package.dll" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::TempDirectory dir;
        const std::string folder = dir.path() + "/formal/";
        std::filesystem::create_directories(folder);
        c.prepare(folder);
        const auto before = listing(folder);
        const auto result = createDataFolder(folder, DataFolderContent::FirstRows);
        if (c.refusedName) {
            EXPECT_FALSE(result.ok());
            EXPECT_TRUE(result.message().ends_with(std::string("/") + c.refusedName)) << result.message();
            EXPECT_EQ(listing(folder), before);
            EXPECT_FALSE(std::filesystem::exists(folder + "gone"));
            continue;
        }
        ASSERT_TRUE(result.ok()) << result.message();
        EXPECT_EQ(listing(folder).size(), 12u);
        CppSQLite3DB db;
        db.open(databasePathIn(folder, SysManagerDb));
        EXPECT_EQ(
            db.execQuery("SELECT ManagePass FROM Management WHERE ManageUser = 'admin'").getStringField(0), "vanto");
    }
}

} // namespace
