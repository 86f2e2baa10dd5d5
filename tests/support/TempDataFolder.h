#pragma once

#include "core/db/DataFolder.h"

#include <string>

namespace pelinor::test {

// A fresh data folder in a temporary directory, named by PELINOR_DATA_DIR while it lives,
// so that GetDatabasePath finds it. Removed, and the variable restored, on destruction.
// Its files are copies of a folder of the same content: the one the build made for the test
// binaries (make_template_folders), or else one made the first time the process needs it.
class TempDataFolder
{
public:
    explicit TempDataFolder(DataFolderContent content = DataFolderContent::TablesOnly);
    ~TempDataFolder();
    TempDataFolder(const TempDataFolder&) = delete;
    TempDataFolder& operator=(const TempDataFolder&) = delete;

    const std::string& path() const
    {
        return m_path;
    }

    // Runs statements on one database file of the folder (rows a test needs).
    void exec(int databaseId, const std::string& sql) const;

private:
    std::string m_path;
    std::string m_previousOverride;
    bool m_hadOverride = false;
};

// Where make_template_folders puts the folder of one content level under `root`.
inline std::string templateFolderIn(const std::string& root, DataFolderContent content)
{
    return root + "/content-" + std::to_string(static_cast<int>(content)) + "/";
}

// A temporary directory that is removed with everything in it.
class TempDirectory
{
public:
    TempDirectory();
    ~TempDirectory();
    TempDirectory(const TempDirectory&) = delete;
    TempDirectory& operator=(const TempDirectory&) = delete;
    const std::string& path() const
    {
        return m_path;
    }

private:
    std::string m_path;
};

} // namespace pelinor::test
