#include "TempDataFolder.h"
#include "core/db/CppSQLite3DB.h"
#include "core/db/CppSQLite3Exception.h"
#include "core/db/DatabaseCatalog.h"
#include "core/db/DatabaseConnection.h"
#include "core/db/SqlFormat.h"
#include "core/db/TransactionGuard.h"
#include "core/db/UnitOfWork.h"

#include <filesystem>
#include <functional>
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

TEST_F(AccessLayerTest, CompiledStatementsBindValuesAndRunAgain)
{
    m_db.execScript("CREATE UNIQUE INDEX T_ID ON T(ID);");
    auto insert = m_db.compileStatement("INSERT INTO T VALUES(?,?,?)");
    insert.bind(1, 3);
    insert.bind(2, std::string("O'Brien 的饭"));
    insert.bind(3, 12.5);
    insert.execute();
    // A failing run reports the connection's text and leaves the statement ready for the next values.
    insert.bind(1, 3);
    EXPECT_EQ(messageOf([&] { insert.execute(); }), "SQLITE_CONSTRAINT[19]: UNIQUE constraint failed: T.ID");
    insert.bind(1, 4LL);
    insert.bind(2, "汤");
    insert.bindNull(3);
    insert.execute();
    // The values of a run never carry over to the next one.
    insert.execute();

    struct Row
    {
        const char* id;
        const char* types;
        const char* values;
    };
    const Row rows[] = {
        { "3", "integer text real", "3|O'Brien 的饭|12.5" },
        { "4", "integer text null", "4|汤|" },
        { "NULL", "null null null", "||" },
    };
    for (const Row& row : rows) {
        const std::string where = std::string(row.id) == "NULL" ? "ID IS NULL" : "ID = " + std::string(row.id);
        auto query = m_db.execQuery("SELECT typeof(ID) || ' ' || typeof(Name) || ' ' || typeof(Weight), "
                                    "ifnull(ID, '') || '|' || ifnull(Name, '') || '|' || ifnull(Weight, '') FROM T "
                                    "WHERE "
            + where);
        ASSERT_FALSE(query.eof()) << row.id;
        EXPECT_EQ(query.getStringField(0), row.types) << row.id;
        EXPECT_EQ(query.getStringField(1), row.values) << row.id;
    }
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

// A data file deleted while the program runs must not come back as an empty database, which
// the start-up check would then report as damaged and which would hide the loss until then.
TEST(DataFileConnectionTest, AFileGoneWhileRunningIsAnErrorNotANewEmptyFile)
{
    const struct
    {
        const char* what;
        int removed;
        std::function<void()> open;
    } cases[] = {
        { "one file", CookDb, [] { DatabaseConnection db(CookDb); } },
        { "the main file of a unit of work", PackageDb, [] { UnitOfWork work(PackageDb, { CookDb }); } },
        { "an attached file", CookDb, [] { UnitOfWork work(PackageDb, { CookDb }); } },
    };
    for (const auto& c : cases) {
        test::TempDataFolder folder;
        const std::string path = GetDatabasePath(c.removed);
        std::filesystem::remove(path);
        EXPECT_THROW(c.open(), CppSQLite3Exception) << c.what;
        EXPECT_FALSE(std::filesystem::exists(path)) << c.what;
    }
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
