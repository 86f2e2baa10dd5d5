#pragma once

#include <string>
#include <vector>

namespace pelinor {

// What keeps one database file of the data folder from being used.
enum class DataFileProblem
{
    Missing, // no file of that name (a link to nothing included)
    Empty, // 0 bytes: nothing in it
    NotADatabase, // something else under the name: another kind of file, a folder, random bytes
    Damaged, // an SQLite database that fails SQLite's quick check
    Unreadable, // the program may not open it
    Locked, // another program holds a lock on it
};

struct DataFileFinding
{
    int databaseId;
    DataFileProblem problem;

    bool operator==(const DataFileFinding&) const = default;
};

// The look at the data folder before the login, so that a folder the program cannot work with is
// explained once instead of failing statement after statement (and waiting a minute on each lock).
// It creates nothing and changes nothing: no file is made for a missing name, and the lock probe
// takes the write lock for a moment and lets it go without writing.
class DataFolderCheck
{
public:
    // How long the check waits for a lock before it calls the file locked.
    static constexpr int kLockWaitMs = 250;

    static DataFolderCheck run(const std::string& folder, int lockWaitMs = kLockWaitMs);

    bool ok() const
    {
        return m_findings.empty();
    }
    // Only locks stand in the way: once the other program lets go, a new check may pass.
    bool worthRetrying() const;
    // Every file with a problem, once, in DatabaseId order.
    const std::vector<DataFileFinding>& findings() const
    {
        return m_findings;
    }
    const std::string& folder() const
    {
        return m_folder;
    }

    // What the user reads: which file has which problem and how to put the folder right.
    std::string message() const;

private:
    std::string m_folder;
    std::vector<DataFileFinding> m_findings;
};

} // namespace pelinor
