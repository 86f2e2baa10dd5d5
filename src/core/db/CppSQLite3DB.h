#pragma once

#include "core/db/CppSQLite3Query.h"
#include "core/db/CppSQLite3Statement.h"

#include <string>

struct sqlite3;
struct sqlite3_stmt;

namespace pelinor {

// One connection to one database file, opened by a handler and closed when it goes out of scope.
class CppSQLite3DB
{
public:
    static constexpr int kDefaultBusyTimeoutMs = 60000;

    CppSQLite3DB() = default;
    CppSQLite3DB(const CppSQLite3DB&) = delete;
    CppSQLite3DB& operator=(const CppSQLite3DB&) = delete;
    virtual ~CppSQLite3DB();

    // Opens the file, creating an empty database when there is none (only a new data folder wants that).
    void open(const std::string& path);
    // Opens a file that must exist: a data file deleted while the program runs is reported as
    // missing instead of coming back as an empty file.
    void openExisting(const std::string& path);
    void close();
    bool isOpen() const;
    void setBusyTimeout(int milliseconds);
    int busyTimeout() const;

    // Runs one statement: the query is on its first row, or at its end.
    CppSQLite3Query execQuery(const std::string& sql);
    // Runs a script of several statements (schema files, data files); nothing is returned.
    void execScript(const std::string& sql);
    // Compiles one statement with "?" places for values, to be run many times (bulk writes).
    CppSQLite3Statement compileStatement(const std::string& sql);

private:
    void openWith(const std::string& path, int flags);
    sqlite3_stmt* compile(const std::string& sql);
    void checkOpen() const;

    sqlite3* m_connection = nullptr;
    int m_busyTimeoutMs = kDefaultBusyTimeoutMs;
};

} // namespace pelinor
