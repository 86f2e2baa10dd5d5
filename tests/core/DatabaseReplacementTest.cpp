#include "core/db/DatabaseReplacement.h"

#include "TempDataFolder.h"
#include "core/db/CppSQLite3DB.h"

#include <filesystem>
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
