#include "core/db/OnlineBackup.h"

#include "TempDataFolder.h"
#include "core/db/CppSQLite3DB.h"
#include "core/db/CppSQLite3Exception.h"
#include "core/db/DatabaseSnapshot.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using namespace pelinor;

namespace {

std::string names(const std::string& path)
{
    CppSQLite3DB db;
    db.open(path);
    std::string text;
    for (auto q = db.execQuery("SELECT Name FROM T ORDER BY rowid"); !q.eof(); q.nextRow()) {
        text += q.getStringField(0) + " ";
    }
    return text;
}

void makeDatabase(const std::string& path, const std::string& script)
{
    CppSQLite3DB db;
    db.open(path);
    db.execScript(script);
}

TEST(OnlineBackupTest, TellsASoundDatabaseFromEverythingElse)
{
    test::TempDirectory dir;
    const std::string sound = dir.path() + "/sound.db";
    makeDatabase(sound, "CREATE TABLE T(Name TEXT); INSERT INTO T VALUES('米饭');");
    const std::string noTables = dir.path() + "/empty.db";
    makeDatabase(noTables, "PRAGMA user_version = 7;");
    std::ofstream(dir.path() + "/zero.db");
    std::ofstream(dir.path() + "/text.db") << "SQLite format 2 but not really a database";
    std::filesystem::create_directory(dir.path() + "/folder.db");

    const struct
    {
        const char* file;
        bool sound;
    } cases[] = {
        { "/sound.db", true },
        { "/empty.db", false }, // a database, but nothing in it
        { "/zero.db", false }, // SQLite would read it as an empty database
        { "/text.db", false },
        { "/folder.db", false },
        { "/missing.db", false },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(OnlineBackup::problemWith(dir.path() + c.file).empty(), c.sound) << c.file;
    }
    EXPECT_FALSE(std::filesystem::exists(dir.path() + "/missing.db"));
}

TEST(OnlineBackupTest, CopiesWholeDatabasesAndRefusesWhileAnotherConnectionWrites)
{
    test::TempDirectory dir;
    const std::string from = dir.path() + "/from.db";
    const std::string to = dir.path() + "/to.db";
    makeDatabase(from, "PRAGMA page_size = 1024; CREATE TABLE T(Name TEXT); INSERT INTO T VALUES('甲'),('乙');");
    makeDatabase(to,
        "CREATE TABLE T(Name TEXT); INSERT INTO T VALUES('丙');"
        "CREATE TABLE Other(x); INSERT INTO Other VALUES(zeroblob(100000));");

    CppSQLite3DB writer;
    writer.open(to);
    writer.execScript("BEGIN IMMEDIATE; INSERT INTO T VALUES('丁');");
    try {
        OnlineBackup::copy(from, to, 100);
        ADD_FAILURE() << "copied under a writer";
    } catch (const CppSQLite3Exception& e) {
        EXPECT_TRUE(OnlineBackup::isLockError(e.errorCode())) << e.errorMessage();
    }
    writer.execScript("COMMIT");
    writer.close();
    EXPECT_EQ(names(to), "丙 丁 ");

    OnlineBackup::copy(from, to);
    EXPECT_EQ(names(to), "甲 乙 ");
    CppSQLite3DB db;
    db.open(to);
    EXPECT_EQ(db.execQuery("SELECT COUNT(*) FROM sqlite_master WHERE name = 'Other'").getIntField(0), 0);
    EXPECT_EQ(db.execQuery("PRAGMA page_size").getIntField(0), 1024);

    // A missing source is an error, never an empty database written over the target.
    EXPECT_THROW(OnlineBackup::copy(dir.path() + "/missing.db", to), CppSQLite3Exception);
    EXPECT_FALSE(std::filesystem::exists(dir.path() + "/missing.db"));
    EXPECT_EQ(names(to), "甲 乙 ");
}

TEST(OnlineBackupTest, ASnapshotPutsTheFileBackAsItWas)
{
    test::TempDirectory dir;
    const std::string path = dir.path() + "/live.db";
    const std::string other = dir.path() + "/other.db";
    makeDatabase(path, "PRAGMA page_size = 1024; CREATE TABLE T(Name TEXT); INSERT INTO T VALUES('原来');");
    makeDatabase(other, "CREATE TABLE T(Name TEXT); INSERT INTO T VALUES('还原'); INSERT INTO T VALUES('的');");

    DatabaseSnapshot snapshot(path);
    OnlineBackup::copy(other, path);
    ASSERT_EQ(names(path), "还原 的 ");
    snapshot.putBack();
    EXPECT_EQ(names(path), "原来 ");

    // A file that was not there is put back by removing it.
    const std::string absent = dir.path() + "/absent.db";
    DatabaseSnapshot none(absent);
    OnlineBackup::copy(other, absent);
    ASSERT_EQ(names(absent), "还原 的 ");
    none.putBack();
    EXPECT_FALSE(std::filesystem::exists(absent));
}

} // namespace
