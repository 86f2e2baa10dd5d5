#include "core/db/OnlineBackup.h"

#include "core/db/CppSQLite3Exception.h"

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sqlite3.h>

namespace pelinor {

namespace {

struct ConnectionCloser
{
    void operator()(sqlite3* connection) const
    {
        sqlite3_close_v2(connection);
    }
};
using Connection = std::unique_ptr<sqlite3, ConnectionCloser>;

Connection openConnection(const std::string& path, int flags, int lockWaitMs)
{
    sqlite3* raw = nullptr;
    const int result = sqlite3_open_v2(path.c_str(), &raw, flags, nullptr);
    Connection connection(raw);
    if (result != SQLITE_OK) {
        throw CppSQLite3Exception::fromConnection(result, raw);
    }
    sqlite3_busy_timeout(raw, lockWaitMs);
    // Pages read through a memory map, not one system call each: a copy or a check of a large
    // file does not wait for the processor once per page on a busy machine.
    sqlite3_exec(raw, "PRAGMA mmap_size = 268435456", nullptr, nullptr, nullptr);
    return connection;
}

// The first column of the first row of a statement, as text ("" when there is none).
std::string firstValue(sqlite3* connection, const char* sql)
{
    sqlite3_stmt* statement = nullptr;
    int result = sqlite3_prepare_v2(connection, sql, -1, &statement, nullptr);
    if (result != SQLITE_OK) {
        throw CppSQLite3Exception::fromConnection(result, connection);
    }
    result = sqlite3_step(statement);
    std::string value;
    if (result == SQLITE_ROW) {
        const unsigned char* text = sqlite3_column_text(statement, 0);
        value = text ? reinterpret_cast<const char*>(text) : "";
    }
    const int finalized = sqlite3_finalize(statement);
    if (result != SQLITE_ROW && result != SQLITE_DONE) {
        throw CppSQLite3Exception::fromConnection(finalized, connection);
    }
    return value;
}

} // namespace

void OnlineBackup::copy(const std::string& sourcePath, const std::string& targetPath, int lockWaitMs, bool durable)
{
    // Read-write, so that a journal left by a crashed writer is rolled back instead of refused;
    // never created: a missing source is an error, not an empty database.
    const Connection source = openConnection(sourcePath, SQLITE_OPEN_READWRITE, lockWaitMs);
    const Connection target = openConnection(targetPath, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, lockWaitMs);
    if (!durable) {
        // A new file that is thrown away unless complete needs neither a journal nor waits for
        // the disk; its writer makes it durable once, at the end.
        sqlite3_exec(target.get(), "PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF", nullptr, nullptr, nullptr);
    }
    copy(source.get(), target.get(), lockWaitMs);
}

void OnlineBackup::copy(sqlite3* source, sqlite3* target, int lockWaitMs)
{
    sqlite3_backup* backup = sqlite3_backup_init(target, "main", source, "main");
    if (!backup) {
        throw CppSQLite3Exception::fromConnection(sqlite3_errcode(target), target);
    }
    // All pages in one step: one read transaction on the source, one write transaction on the
    // target. The busy handlers wait for other programs; a lock still held is retried until the
    // time is up, as SQLite allows for these two results.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(lockWaitMs);
    int result = SQLITE_OK;
    for (;;) {
        result = sqlite3_backup_step(backup, -1);
        if (!isLockError(result) || std::chrono::steady_clock::now() >= deadline) {
            break;
        }
        sqlite3_sleep(10);
    }
    const int finished = sqlite3_backup_finish(backup);
    // The step's error is left on the target connection by the finish.
    if (result != SQLITE_DONE) {
        throw CppSQLite3Exception::fromConnection(result, target);
    }
    if (finished != SQLITE_OK) {
        throw CppSQLite3Exception::fromConnection(finished, target);
    }
}

std::string OnlineBackup::problemWith(const std::string& path)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return "missing: " + path;
    }
    // SQLite takes an empty file for an empty database; a backup must hold the real thing.
    char header[16] = {};
    std::ifstream file(path, std::ios::binary);
    if (!file.read(header, sizeof(header)) || std::memcmp(header, "SQLite format 3", sizeof(header)) != 0) {
        return "not a database: " + path;
    }
    try {
        const Connection db = openConnection(path, SQLITE_OPEN_READONLY, kDefaultLockWaitMs);
        const std::string check = firstValue(db.get(), "PRAGMA quick_check");
        if (check != "ok") {
            return "damaged: " + path + ": " + check;
        }
        if (firstValue(db.get(), "SELECT COUNT(*) FROM sqlite_master WHERE type = 'table'") == "0") {
            return "no tables: " + path;
        }
    } catch (const CppSQLite3Exception& e) {
        return "unreadable: " + path + ": " + e.errorMessage();
    }
    return {};
}

bool OnlineBackup::isLockError(int errorCode)
{
    const int primary = errorCode & 0xff;
    return primary == SQLITE_BUSY || primary == SQLITE_LOCKED;
}

} // namespace pelinor
