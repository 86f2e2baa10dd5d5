#include "core/db/DatabaseSnapshot.h"

#include "core/db/CppSQLite3Exception.h"

#include <filesystem>
#include <sqlite3.h>

namespace pelinor {

namespace {

sqlite3* openFile(const std::string& path, int flags, int lockWaitMs)
{
    sqlite3* connection = nullptr;
    const int result = sqlite3_open_v2(path.c_str(), &connection, flags, nullptr);
    if (result != SQLITE_OK) {
        const CppSQLite3Exception error = CppSQLite3Exception::fromConnection(result, connection);
        sqlite3_close_v2(connection);
        throw error;
    }
    sqlite3_busy_timeout(connection, lockWaitMs);
    return connection;
}

} // namespace

DatabaseSnapshot::DatabaseSnapshot(const std::string& path, int lockWaitMs)
    : m_path(path)
{
    std::error_code error;
    m_existed = std::filesystem::exists(path, error);
    if (!m_existed) {
        return;
    }
    m_memory = openFile(":memory:", SQLITE_OPEN_READWRITE, lockWaitMs);
    sqlite3* file = nullptr;
    try {
        file = openFile(path, SQLITE_OPEN_READWRITE, lockWaitMs);
        OnlineBackup::copy(file, m_memory, lockWaitMs);
    } catch (...) {
        sqlite3_close_v2(file);
        sqlite3_close_v2(m_memory);
        throw;
    }
    sqlite3_close_v2(file);
}

DatabaseSnapshot::~DatabaseSnapshot()
{
    sqlite3_close_v2(m_memory);
}

void DatabaseSnapshot::putBack(int lockWaitMs)
{
    if (!m_existed) {
        std::error_code ignored;
        std::filesystem::remove(m_path, ignored);
        std::filesystem::remove(m_path + "-journal", ignored);
        return;
    }
    sqlite3* file = openFile(m_path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, lockWaitMs);
    try {
        OnlineBackup::copy(m_memory, file, lockWaitMs);
    } catch (...) {
        sqlite3_close_v2(file);
        throw;
    }
    sqlite3_close_v2(file);
}

} // namespace pelinor
