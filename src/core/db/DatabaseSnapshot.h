#pragma once

#include "core/db/OnlineBackup.h"

#include <string>

struct sqlite3;

namespace pelinor {

// A copy in memory of one database file, taken just before the file is overwritten, so that the
// file can be put back as it was when a later step of the same change fails. A file that did not
// exist is put back by removing it.
class DatabaseSnapshot
{
public:
    DatabaseSnapshot(const std::string& path, int lockWaitMs = OnlineBackup::kDefaultLockWaitMs);
    DatabaseSnapshot(const DatabaseSnapshot&) = delete;
    DatabaseSnapshot& operator=(const DatabaseSnapshot&) = delete;
    ~DatabaseSnapshot();

    const std::string& path() const
    {
        return m_path;
    }

    // Writes the copy back over the file. Throws CppSQLite3Exception.
    void putBack(int lockWaitMs = OnlineBackup::kDefaultLockWaitMs);

private:
    std::string m_path;
    sqlite3* m_memory = nullptr;
    bool m_existed = false;
};

} // namespace pelinor
