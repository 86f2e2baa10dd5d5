#include "core/db/OnlineBackup.h"

#include "TempDataFolder.h"
#include "core/db/CppSQLite3DB.h"
#include "core/db/CppSQLite3Exception.h"
#include "core/db/DatabaseReplacement.h"

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

// A writer that died in the middle of a transaction: its changed pages already in the file, the
// journal holding the old ones beside it.
void leaveHotJournal(const std::string& path, const std::string& copyTo)
{
    CppSQLite3DB writer;
    writer.open(path);
    writer.execScript("PRAGMA cache_size = 1; BEGIN; UPDATE T SET Name = Name || '（未提交）';"
                      "INSERT INTO T SELECT Name FROM T; INSERT INTO T SELECT Name FROM T;");
    std::filesystem::copy_file(path, copyTo);
    std::filesystem::copy_file(path + "-journal", copyTo + "-journal");
    writer.execScript("ROLLBACK");
}

TEST(DatabaseReplacementTest, PutsEveryFileInPlaceOrNone)
{
    test::TempDirectory dir;
    const std::string a = dir.path() + "/a.db";
    const std::string b = dir.path() + "/b.db";
    const std::string absent = dir.path() + "/absent.db";
    const std::string newA = dir.path() + "/new-a.db";
    const std::string newB = dir.path() + "/new-b.db";
    makeDatabase(a, "CREATE TABLE T(Name TEXT); INSERT INTO T VALUES('旧甲');");
    makeDatabase(b, "CREATE TABLE T(Name TEXT); INSERT INTO T VALUES('旧乙');");
    makeDatabase(newA, "PRAGMA page_size = 1024; CREATE TABLE T(Name TEXT); INSERT INTO T VALUES('新甲');");
    makeDatabase(newB, "CREATE TABLE T(Name TEXT); INSERT INTO T VALUES('新乙');");
    const auto leftovers = [&] {
        int count = 0;
        for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
            count += entry.path().string().find(".restoring") != std::string::npos;
        }
        return count;
    };

    {
        // Another program writing to the second file: the first stays as it was too.
        CppSQLite3DB writer;
        writer.open(b);
        writer.execScript("BEGIN IMMEDIATE; INSERT INTO T VALUES('别的程序');");
        DatabaseReplacement replacement(100);
        replacement.stage(newA, a);
        replacement.stage(newB, b);
        EXPECT_EQ(replacement.commit(), DatabaseReplacement::Result::InUse);
        writer.execScript("COMMIT");
    }
    EXPECT_EQ(names(a), "旧甲 ");
    EXPECT_EQ(names(b), "旧乙 别的程序 ");
    EXPECT_EQ(leftovers(), 0);

    {
        DatabaseReplacement replacement;
        replacement.stage(newA, a);
        replacement.stage(newB, b);
        replacement.stage(newB, absent);
        EXPECT_EQ(replacement.commit(), DatabaseReplacement::Result::Done);
    }
    EXPECT_EQ(names(a), "新甲 ");
    EXPECT_EQ(names(b), "新乙 ");
    EXPECT_EQ(names(absent), "新乙 ");
    EXPECT_EQ(leftovers(), 0);
}

TEST(DatabaseReplacementTest, AJournalLeftByACrashedWriterNeverReachesTheNewFile)
{
    test::TempDirectory dir;
    const std::string original = dir.path() + "/original.db";
    const std::string live = dir.path() + "/live.db";
    const std::string fresh = dir.path() + "/fresh.db";
    std::string many = "BEGIN; CREATE TABLE T(Name TEXT);";
    for (int i = 0; i < 300; ++i) {
        many += "INSERT INTO T VALUES('第" + std::to_string(i) + "行" + std::string(200, 'x') + "');";
    }
    makeDatabase(original, many + "COMMIT;");
    leaveHotJournal(original, live);
    ASSERT_TRUE(std::filesystem::exists(live + "-journal"));
    makeDatabase(fresh, "CREATE TABLE T(Name TEXT); INSERT INTO T VALUES('还原的');");

    DatabaseReplacement replacement;
    replacement.stage(fresh, live);
    ASSERT_EQ(replacement.commit(), DatabaseReplacement::Result::Done);
    EXPECT_FALSE(std::filesystem::exists(live + "-journal"));
    EXPECT_EQ(OnlineBackup::problemWith(live), "");
    EXPECT_EQ(names(live), "还原的 ");
}

} // namespace
