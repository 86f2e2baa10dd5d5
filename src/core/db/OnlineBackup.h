#pragma once

#include <string>

struct sqlite3;

namespace pelinor {

// Whole-database copies through SQLite's online backup. A copy takes each file's locks the way any
// connection does, so it never reads a file half-written by another program and never writes under
// one; the target changes in one transaction of its own, so a copy cut short (a crash, a kill)
// leaves the target as it was once SQLite rolls its journal back. Never a byte copy over a live file.
class OnlineBackup
{
public:
    // How long a copy waits for another program to let go of a file before it gives up.
    static constexpr int kDefaultLockWaitMs = 5000;

    // Copies the database at `sourcePath` over the one at `targetPath` (created when missing).
    // Throws CppSQLite3Exception: SQLITE_BUSY or SQLITE_LOCKED (see isLockError) when another
    // program held one of the files for longer than `lockWaitMs`. `durable` false is for a new
    // scratch file only: written without a journal and without waiting for the disk.
    static void copy(const std::string& sourcePath,
        const std::string& targetPath,
        int lockWaitMs = kDefaultLockWaitMs,
        bool durable = true);

    // The same between two open connections, "main" to "main".
    static void copy(sqlite3* source, sqlite3* target, int lockWaitMs);

    // Empty when `path` is a SQLite database that holds at least one table and passes the quick
    // check; otherwise what is wrong with it. The file is only read.
    static std::string problemWith(const std::string& path);

    // True for the error codes that mean another connection held a lock.
    static bool isLockError(int errorCode);
};

} // namespace pelinor
