#include "core/db/SqlFormat.h"

#include "TempDataFolder.h"
#include "core/db/CppSQLite3DB.h"
#include "core/db/DatabaseCatalog.h"

#include <gtest/gtest.h>
#include <limits>

using namespace pelinor;

namespace {

TEST(SqlFormatTest, NumbersFollowTheirFormatsAndTextIsEscaped)
{
    struct Case
    {
        std::string got;
        const char* expected;
    };
    const Case cases[] = {
        { formatSql("SELECT * FROM T WHERE ID = '%d'", 42), "SELECT * FROM T WHERE ID = '42'" },
        { formatSql("%.1f|%.2f|%.3f", 12.25, 3.14159, 2.0), "12.2|3.14|2.000" },
        { formatSql("%ld %lld %05d", 7L, 8LL, 9), "7 8 00009" },
        { formatSql("'%s'", "O'Brien's 班"), "'O''Brien''s 班'" },
        { formatSql("'%s' 100%%", std::string("'; DROP TABLE T; --")), "'''; DROP TABLE T; --' 100%" },
        { formatSql("%f", 3), "3.000000" },
        // No "inf" or "nan" ever reaches a stored text; widths still go to printf.
        { formatSql("'%.1f'", std::numeric_limits<double>::infinity()), "''" },
        { formatSql("%.0f|%6.2f", 0.5, 1.005), "0|  1.00" },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.got, c.expected);
    }
}

TEST(SqlFormatTest, MismatchedValuesAreRefused)
{
    EXPECT_THROW(formatSql("'%s'", 5), std::invalid_argument);
    EXPECT_THROW(formatSql("'%d'", "5"), std::invalid_argument);
    EXPECT_THROW(formatSql("'%d' '%d'", 5), std::invalid_argument);
    EXPECT_THROW(formatSql("'%d'", 5, 6), std::invalid_argument);
}

TEST(SqlFormatTest, AClassNamedWithAnApostropheIsStoredFoundAndDeleted)
{
    test::TempDataFolder folder;
    const std::string name = "O'Brien's 班";
    CppSQLite3DB db;
    db.open(GetDatabasePath(RecordDb));
    db.execQuery(formatSql("INSERT INTO ClassInfo VALUES('%d','%s')", 3, name));

    CppSQLite3Query query = db.execQuery(formatSql("SELECT * FROM  ClassInfo WHERE  ClassName = '%s'", name));
    ASSERT_FALSE(query.eof());
    EXPECT_EQ(query.getIntField(0), 3);
    EXPECT_EQ(query.getStringField(1), name);

    db.execQuery(formatSql("DELETE  FROM ClassInfo WHERE ClassName = '%s'", name));
    EXPECT_TRUE(db.execQuery("SELECT * FROM ClassInfo").eof());
}

} // namespace
