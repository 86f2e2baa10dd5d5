#include "core/db/CppSQLite3Statement.h"

#include "core/db/CppSQLite3Exception.h"

#include <sqlite3.h>
#include <utility>

namespace pelinor {

CppSQLite3Statement::CppSQLite3Statement(sqlite3* connection, sqlite3_stmt* statement)
    : m_connection(connection)
    , m_statement(statement)
{
}

CppSQLite3Statement::CppSQLite3Statement(CppSQLite3Statement&& other) noexcept
    : m_connection(other.m_connection)
    , m_statement(std::exchange(other.m_statement, nullptr))
{
}

CppSQLite3Statement& CppSQLite3Statement::operator=(CppSQLite3Statement&& other) noexcept
{
    if (this != &other) {
        finalize();
        m_connection = other.m_connection;
        m_statement = std::exchange(other.m_statement, nullptr);
    }
    return *this;
}

CppSQLite3Statement::~CppSQLite3Statement()
{
    finalize();
}

void CppSQLite3Statement::bind(int parameter, const std::string& value)
{
    check(sqlite3_bind_text(m_statement, parameter, value.data(), static_cast<int>(value.size()), SQLITE_TRANSIENT));
}

void CppSQLite3Statement::bind(int parameter, const char* value)
{
    check(sqlite3_bind_text(m_statement, parameter, value, -1, SQLITE_TRANSIENT));
}

void CppSQLite3Statement::bind(int parameter, int value)
{
    check(sqlite3_bind_int(m_statement, parameter, value));
}

void CppSQLite3Statement::bind(int parameter, long long value)
{
    check(sqlite3_bind_int64(m_statement, parameter, value));
}

void CppSQLite3Statement::bind(int parameter, double value)
{
    check(sqlite3_bind_double(m_statement, parameter, value));
}

void CppSQLite3Statement::bindNull(int parameter)
{
    check(sqlite3_bind_null(m_statement, parameter));
}

void CppSQLite3Statement::execute()
{
    if (!m_statement) {
        throw CppSQLite3Exception(CppSQLite3Exception::kLayerError, "Null Virtual Machine pointer");
    }
    int result = sqlite3_step(m_statement);
    while (result == SQLITE_ROW) {
        result = sqlite3_step(m_statement);
    }
    // reset() repeats the step's error code; the connection holds its text.
    const int resetResult = sqlite3_reset(m_statement);
    sqlite3_clear_bindings(m_statement);
    if (result != SQLITE_DONE) {
        throw CppSQLite3Exception::fromConnection(resetResult, m_connection);
    }
}

void CppSQLite3Statement::check(int result) const
{
    if (result != SQLITE_OK) {
        throw CppSQLite3Exception::fromConnection(result, m_connection);
    }
}

void CppSQLite3Statement::finalize() noexcept
{
    if (m_statement) {
        sqlite3_finalize(m_statement);
        m_statement = nullptr;
    }
}

} // namespace pelinor
