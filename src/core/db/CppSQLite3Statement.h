#pragma once

#include <string>

struct sqlite3;
struct sqlite3_stmt;

namespace pelinor {

// One statement compiled once and run many times with new values: bulk writers (the large
// demonstration folder) use it so that thousands of rows cost one compilation. Values are bound,
// never formatted into the text. Parameters are numbered from 1, as "?" places appear.
class CppSQLite3Statement
{
public:
    CppSQLite3Statement(sqlite3* connection, sqlite3_stmt* statement);
    CppSQLite3Statement(CppSQLite3Statement&& other) noexcept;
    CppSQLite3Statement& operator=(CppSQLite3Statement&& other) noexcept;
    CppSQLite3Statement(const CppSQLite3Statement&) = delete;
    CppSQLite3Statement& operator=(const CppSQLite3Statement&) = delete;
    ~CppSQLite3Statement();

    void bind(int parameter, const std::string& value);
    void bind(int parameter, const char* value);
    void bind(int parameter, int value);
    void bind(int parameter, long long value);
    void bind(int parameter, double value);
    void bindNull(int parameter);

    // Runs the statement to its end, then makes it ready for the next values (all unbound).
    void execute();

private:
    void check(int result) const;
    void finalize() noexcept;

    sqlite3* m_connection = nullptr;
    sqlite3_stmt* m_statement = nullptr;
};

} // namespace pelinor
