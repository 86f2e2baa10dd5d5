#include "TempDataFolder.h"
#include "core/db/CppSQLite3DB.h"
#include "core/db/CppSQLite3Exception.h"
#include "core/db/DatabaseCatalog.h"
#include "core/db/SqlFormat.h"
#include "core/db/TransactionGuard.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

using namespace pelinor;

namespace {

class AccessLayerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_db.open(m_dir.path() + "/t.db");
        m_db.execScript("CREATE TABLE T(ID INTEGER, Name TEXT, Weight REAL);"
                        "INSERT INTO T VALUES(1,'米饭',100.5);"
                        "INSERT INTO T VALUES(2,NULL,NULL);");
    }

    // The message the user is shown for a failing call.
    template <typename F> std::string messageOf(F&& call)
    {
        try {
            call();
        } catch (const CppSQLite3Exception& e) {
            return e.errorMessage();
        }
        return "(no exception)";
    }

    test::TempDirectory m_dir;
    CppSQLite3DB m_db;
};

TEST_F(AccessLayerTest, QueriesWalkRowsAndReadNullsAsEmptyValues)
{
    CppSQLite3Query query;
    query = m_db.execQuery("SELECT ID, Name, Weight FROM T ORDER BY ID");
    ASSERT_FALSE(query.eof());
    EXPECT_EQ(query.getIntField(0), 1);
    EXPECT_EQ(query.getStringField(1), "米饭");
    EXPECT_DOUBLE_EQ(query.getFloatField(2), 100.5);
    query.nextRow();
    ASSERT_FALSE(query.eof());
    EXPECT_EQ(query.fieldDataType(1), SQLITE_NULL);
    EXPECT_EQ(query.getStringField(1), "");
    EXPECT_EQ(query.getIntField(2), 0);
    EXPECT_DOUBLE_EQ(query.getFloatField(2), 0.0);
    query.nextRow();
    EXPECT_TRUE(query.eof());

    EXPECT_TRUE(m_db.execQuery("SELECT * FROM T WHERE ID = 99").eof());
}

TEST_F(AccessLayerTest, ChangesReturnAQueryAtEndWhoseColumnsAreGuarded)
{
    CppSQLite3Query insert = m_db.execQuery("INSERT INTO T VALUES(3,'面条',50)");
    EXPECT_TRUE(insert.eof());
    EXPECT_EQ(insert.numFields(), 0);
    EXPECT_EQ(messageOf([&] { insert.getStringField(0); }), "CPPSQLITE_ERROR[1000]: Invalid field index requested");

    CppSQLite3Query select = m_db.execQuery("SELECT ID, Name FROM T WHERE ID = 3");
    EXPECT_EQ(messageOf([&] { select.getIntField(select.numFields()); }),
        "CPPSQLITE_ERROR[1000]: Invalid field index requested");
    EXPECT_EQ(messageOf([&] { select.getIntField(-1); }), "CPPSQLITE_ERROR[1000]: Invalid field index requested");
}

TEST_F(AccessLayerTest, ErrorsCarryTheirCodeNameAndDetail)
{
    CppSQLite3DB neverOpened;
    struct Case
    {
        const char* what;
        std::function<void()> call;
        const char* message;
    };
    const Case cases[] = {
        { "not open", [&] { neverOpened.execQuery("SELECT 1"); }, "CPPSQLITE_ERROR[1000]: Database not open" },
        { "syntax", [&] { m_db.execQuery("SELEC * FROM T"); }, "SQLITE_ERROR[1]: " },
        { "missing table", [&] { m_db.execQuery("SELECT * FROM Missing"); }, "SQLITE_ERROR[1]: " },
        { "empty query", [] { CppSQLite3Query().eof(); }, "CPPSQLITE_ERROR[1000]: Null Virtual Machine pointer" },
        { "empty query row", [] { CppSQLite3Query().nextRow(); },
            "CPPSQLITE_ERROR[1000]: Null Virtual Machine pointer" },
        { "empty query field", [] { CppSQLite3Query().getStringField(0); },
            "CPPSQLITE_ERROR[1000]: Null Virtual Machine pointer" },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(messageOf(c.call), c.message) << c.what;
    }
    EXPECT_STREQ(CppSQLite3Exception::errorCodeAsString(26), "UNKNOWN_ERROR");
    EXPECT_STREQ(CppSQLite3Exception::errorCodeAsString(101), "SQLITE_DONE");
    EXPECT_EQ(CppSQLite3Exception(5, "database is locked").errorMessage(), "SQLITE_BUSY[5]: database is locked");
}

TEST_F(AccessLayerTest, AssignmentHandsTheStatementOverSoItIsFinalizedOnce)
{
    CppSQLite3Query first = m_db.execQuery("SELECT ID FROM T ORDER BY ID");
    CppSQLite3Query second;
    second = std::move(first);
    EXPECT_EQ(messageOf([&] { first.eof(); }), "CPPSQLITE_ERROR[1000]: Null Virtual Machine pointer");
    EXPECT_EQ(second.getIntField(0), 1);

    // Assigning a new result over an open one finalizes the old statement first: the table is not
    // left locked by a forgotten reader, so a change can follow on the same connection.
    second = m_db.execQuery("SELECT ID FROM T");
    second = m_db.execQuery("DELETE FROM T WHERE ID = 2");
    EXPECT_TRUE(m_db.execQuery("SELECT * FROM T WHERE ID = 2").eof());
}

TEST_F(AccessLayerTest, ConnectionsWaitAMinuteForALockedFile)
{
    EXPECT_EQ(CppSQLite3DB().busyTimeout(), 60000);
    m_db.setBusyTimeout(100);
    EXPECT_EQ(m_db.busyTimeout(), 100);

    CppSQLite3DB other;
    other.setBusyTimeout(50);
    other.open(m_dir.path() + "/t.db");
    TransactionGuard writer(m_db);
    m_db.execQuery("INSERT INTO T VALUES(5,'x',1)");
    EXPECT_EQ(messageOf([&] { other.execQuery("INSERT INTO T VALUES(6,'y',1)"); }).rfind("SQLITE_BUSY[5]", 0), 0u);
}

TEST_F(AccessLayerTest, TransactionGuardUndoesAnUnfinishedChange)
{
    {
        TransactionGuard transaction(m_db);
        m_db.execQuery("DELETE FROM T");
        // Leaving without commit(), as an exception part-way would.
    }
    EXPECT_FALSE(m_db.execQuery("SELECT * FROM T").eof());
    {
        TransactionGuard transaction(m_db);
        m_db.execQuery("DELETE FROM T WHERE ID = 1");
        transaction.commit();
    }
    EXPECT_TRUE(m_db.execQuery("SELECT * FROM T WHERE ID = 1").eof());
}

TEST(DatabaseCatalogTest, PathsFollowTheCatalogue)
{
    struct Case
    {
        int id;
        const char* expected;
    };
    const Case cases[] = {
        { 9, "/A/B/formal/sysmanager.dll" },
        { 10, "/A/B/formal/Evaluation.DLL" },
        { 7, "/A/B/formal/Record.dll" },
        { 2, "/A/B/formal/cook.dll" },
        { 0, "/A/B/formal/" },
        { 13, "/A/B/formal/" },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(databasePathIn("/A/B/formal", c.id), c.expected) << c.id;
        EXPECT_EQ(databasePathIn("/A/B/formal/", c.id), c.expected) << c.id;
    }
}

TEST(DatabaseCatalogTest, DataFolderIsBesideTheProgramUnlessOverridden)
{
    unsetenv("PELINOR_DATA_DIR");
    const std::string exeDirectory = GetExeDirectory();
    ASSERT_FALSE(exeDirectory.empty());
    EXPECT_EQ(exeDirectory.back(), '/');
    EXPECT_EQ(GetDatabasePath(12), exeDirectory + "formal/nutrient.dll");

    setenv("PELINOR_DATA_DIR", "/srv/kindergarten", 1);
    EXPECT_EQ(GetDatabasePath(6), "/srv/kindergarten/pantry.dll");
    EXPECT_EQ(GetDatabasePath(99), "/srv/kindergarten/");
    unsetenv("PELINOR_DATA_DIR");
}

} // namespace
