#pragma once

#include "core/db/OnlineBackup.h"

#include <string>
#include <vector>

namespace pelinor {

// Puts complete new database files in place of live ones, all of them or none.
//
// Each new file is first copied beside its live file (same folder, so a rename can put it in
// place), checked and made durable, while no live file is touched. Then every live file is locked the way
// a writer locks it (another program's transaction is waited for; a journal left by a crashed
// writer is rolled back now, so it can never be applied to the new file), and only when all
// locks are held is each new file renamed over its live one. A rename replaces a file whole: a
// crash leaves each live file either old or new, never a mixture of pages.
class DatabaseReplacement
{
public:
    enum class Result
    {
        Done,
        InUse, // another program held a file; nothing changed
        Failed, // a copy or a rename failed; nothing changed
        PartlyPutBack, // a rename failed and not every file could be put back
    };

    explicit DatabaseReplacement(int lockWaitMs = OnlineBackup::kDefaultLockWaitMs);
    DatabaseReplacement(const DatabaseReplacement&) = delete;
    DatabaseReplacement& operator=(const DatabaseReplacement&) = delete;
    // Removes whatever was staged and not put in place.
    ~DatabaseReplacement();

    // Copies the finished database file at `sourcePath` (one no program writes to, such as a
    // backup) beside `livePath` and checks the copy: empty when it is a sound database, otherwise
    // what is wrong with it (see OnlineBackup::problemWith). Throws CppSQLite3Exception when the
    // copy cannot be written.
    std::string stage(const std::string& sourcePath, const std::string& livePath);

    // Puts every staged file in place, or none.
    Result commit();

    // Removes what a replacement cut short left in `folder`.
    static void removeLeftovers(const std::string& folder);

private:
    struct Entry
    {
        std::string live;
        std::string incoming;
        std::string outgoing;
        bool existed = false;
        bool swapped = false;
    };

    void cleanUp();

    int m_lockWaitMs;
    std::vector<Entry> m_entries;
};

} // namespace pelinor
