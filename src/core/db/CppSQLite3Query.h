#pragma once

#include <string>

struct sqlite3;
struct sqlite3_stmt;

namespace pelinor {

// A cursor over the result of one statement. It owns its statement; moving a query hands the
// statement over, so exactly one object ever finalizes it.
class CppSQLite3Query
{
public:
    CppSQLite3Query() = default;
    CppSQLite3Query(sqlite3* connection, sqlite3_stmt* statement, bool atEof);
    CppSQLite3Query(CppSQLite3Query&& other) noexcept;
    CppSQLite3Query& operator=(CppSQLite3Query&& other) noexcept;
    CppSQLite3Query(const CppSQLite3Query&) = delete;
    CppSQLite3Query& operator=(const CppSQLite3Query&) = delete;
    virtual ~CppSQLite3Query();

    bool eof() const;
    void nextRow();
    void finalize();

    int numFields() const;
    int fieldDataType(int field) const;
    std::string getStringField(int field) const;
    int getIntField(int field) const;
    long long getInt64Field(int field) const;
    double getFloatField(int field) const;

private:
    void checkStatement() const;
    void checkField(int field) const;
    void takeOver(CppSQLite3Query& other) noexcept;

    sqlite3* m_connection = nullptr;
    sqlite3_stmt* m_statement = nullptr;
    bool m_atEof = true;
    int m_columnCount = 0;
    bool m_ownsStatement = false;
};

} // namespace pelinor
