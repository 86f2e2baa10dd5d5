#include "core/db/CppSQLite3Query.h"

#include "core/db/CppSQLite3Exception.h"

#include <sqlite3.h>

namespace pelinor {

CppSQLite3Query::CppSQLite3Query(sqlite3* connection, sqlite3_stmt* statement, bool atEof)
    : m_connection(connection)
    , m_statement(statement)
    , m_atEof(atEof)
    , m_columnCount(sqlite3_column_count(statement))
    , m_ownsStatement(true)
{
}

CppSQLite3Query::CppSQLite3Query(CppSQLite3Query&& other) noexcept
{
    takeOver(other);
}

CppSQLite3Query& CppSQLite3Query::operator=(CppSQLite3Query&& other) noexcept
{
    if (this != &other) {
        try {
            finalize();
        } catch (const CppSQLite3Exception&) {
            // The old result is being thrown away; its finalization error has no one to tell.
        }
        takeOver(other);
    }
    return *this;
}

CppSQLite3Query::~CppSQLite3Query()
{
    try {
        finalize();
    } catch (const CppSQLite3Exception&) {
    }
}

void CppSQLite3Query::takeOver(CppSQLite3Query& other) noexcept
{
    m_connection = other.m_connection;
    m_statement = other.m_statement;
    m_atEof = other.m_atEof;
    m_columnCount = other.m_columnCount;
    m_ownsStatement = other.m_ownsStatement;
    other.m_statement = nullptr;
    other.m_ownsStatement = false;
}

bool CppSQLite3Query::eof() const
{
    checkStatement();
    return m_atEof;
}

void CppSQLite3Query::nextRow()
{
    checkStatement();
    const int result = sqlite3_step(m_statement);
    if (result == SQLITE_DONE) {
        m_atEof = true;
    } else if (result != SQLITE_ROW) {
        const int finalizeResult = sqlite3_finalize(m_statement);
        m_statement = nullptr;
        m_ownsStatement = false;
        throw CppSQLite3Exception::fromConnection(finalizeResult, m_connection);
    }
}

void CppSQLite3Query::finalize()
{
    if (m_statement && m_ownsStatement) {
        const int result = sqlite3_finalize(m_statement);
        m_statement = nullptr;
        m_ownsStatement = false;
        if (result != SQLITE_OK) {
            throw CppSQLite3Exception::fromConnection(result, m_connection);
        }
    }
}

int CppSQLite3Query::numFields() const
{
    checkStatement();
    return m_columnCount;
}

int CppSQLite3Query::fieldDataType(int field) const
{
    checkField(field);
    return sqlite3_column_type(m_statement, field);
}

std::string CppSQLite3Query::getStringField(int field) const
{
    if (fieldDataType(field) == SQLITE_NULL) {
        return {};
    }
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, field));
    return text ? std::string(text, static_cast<size_t>(sqlite3_column_bytes(m_statement, field))) : std::string();
}

int CppSQLite3Query::getIntField(int field) const
{
    if (fieldDataType(field) == SQLITE_NULL) {
        return 0;
    }
    return sqlite3_column_int(m_statement, field);
}

long long CppSQLite3Query::getInt64Field(int field) const
{
    if (fieldDataType(field) == SQLITE_NULL) {
        return 0;
    }
    return sqlite3_column_int64(m_statement, field);
}

double CppSQLite3Query::getFloatField(int field) const
{
    if (fieldDataType(field) == SQLITE_NULL) {
        return 0.0;
    }
    return sqlite3_column_double(m_statement, field);
}

void CppSQLite3Query::checkStatement() const
{
    if (!m_statement) {
        throw CppSQLite3Exception(CppSQLite3Exception::kLayerError, "Null Virtual Machine pointer");
    }
}

void CppSQLite3Query::checkField(int field) const
{
    checkStatement();
    if (field < 0 || field > m_columnCount - 1) {
        throw CppSQLite3Exception(CppSQLite3Exception::kLayerError, "Invalid field index requested");
    }
}

} // namespace pelinor
