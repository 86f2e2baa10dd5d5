#include "core/db/CppSQLite3DB.h"

#include "core/db/CppSQLite3Exception.h"

#include <sqlite3.h>

namespace pelinor {

CppSQLite3DB::~CppSQLite3DB()
{
    close();
}

void CppSQLite3DB::open(const std::string& path)
{
    openWith(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
}

void CppSQLite3DB::openExisting(const std::string& path)
{
    openWith(path, SQLITE_OPEN_READWRITE);
}

void CppSQLite3DB::openWith(const std::string& path, int flags)
{
    close();
    const int result = sqlite3_open_v2(path.c_str(), &m_connection, flags, nullptr);
    if (result != SQLITE_OK) {
        const CppSQLite3Exception error = CppSQLite3Exception::fromConnection(result, m_connection);
        sqlite3_close(m_connection);
        m_connection = nullptr;
        throw error;
    }
    sqlite3_busy_timeout(m_connection, m_busyTimeoutMs);
}

void CppSQLite3DB::close()
{
    if (m_connection) {
        // A query may still hold a statement; close_v2 lets the connection go once it is finalized.
        sqlite3_close_v2(m_connection);
        m_connection = nullptr;
    }
}

bool CppSQLite3DB::isOpen() const
{
    return m_connection != nullptr;
}

void CppSQLite3DB::setBusyTimeout(int milliseconds)
{
    m_busyTimeoutMs = milliseconds;
    if (m_connection) {
        sqlite3_busy_timeout(m_connection, m_busyTimeoutMs);
    }
}

int CppSQLite3DB::busyTimeout() const
{
    return m_busyTimeoutMs;
}

CppSQLite3Query CppSQLite3DB::execQuery(const std::string& sql)
{
    checkOpen();
    sqlite3_stmt* statement = compile(sql);
    const int result = sqlite3_step(statement);
    if (result == SQLITE_DONE) {
        return CppSQLite3Query(m_connection, statement, true);
    }
    if (result == SQLITE_ROW) {
        return CppSQLite3Query(m_connection, statement, false);
    }
    const int finalizeResult = sqlite3_finalize(statement);
    throw CppSQLite3Exception::fromConnection(finalizeResult, m_connection);
}

void CppSQLite3DB::execScript(const std::string& sql)
{
    checkOpen();
    char* error = nullptr;
    const int result = sqlite3_exec(m_connection, sql.c_str(), nullptr, nullptr, &error);
    if (result != SQLITE_OK) {
        const std::string detail = error ? error : "";
        sqlite3_free(error);
        throw CppSQLite3Exception(result, detail);
    }
}

CppSQLite3Statement CppSQLite3DB::compileStatement(const std::string& sql)
{
    checkOpen();
    return CppSQLite3Statement(m_connection, compile(sql));
}

sqlite3_stmt* CppSQLite3DB::compile(const std::string& sql)
{
    sqlite3_stmt* statement = nullptr;
    const int result = sqlite3_prepare_v2(m_connection, sql.c_str(), -1, &statement, nullptr);
    if (result != SQLITE_OK) {
        // Preparation errors carry no detail text; callers show only the code's name.
        throw CppSQLite3Exception(result, "");
    }
    if (!statement) {
        // Text with no statement in it (blank or only a comment) is a caller's mistake, not a result.
        throw CppSQLite3Exception(CppSQLite3Exception::kLayerError, "Empty statement");
    }
    return statement;
}

void CppSQLite3DB::checkOpen() const
{
    if (!m_connection) {
        throw CppSQLite3Exception(CppSQLite3Exception::kLayerError, "Database not open");
    }
}

} // namespace pelinor
