#include "TempDataFolder.h"

#include "core/db/CppSQLite3DB.h"
#include "core/db/DatabaseCatalog.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <stdexcept>
#include <sys/statvfs.h>
#include <unistd.h>

namespace pelinor::test {

namespace {

// Where the temporary folders go. Every commit of a test waits for the disk to confirm it, which
// the tests never need: in memory (/dev/shm) a commit costs no waiting. TMPDIR decides when it is
// set; /dev/shm is taken only when it has room for a few large folders at once.
std::filesystem::path temporaryRoot()
{
    const char* chosen = std::getenv("TMPDIR");
    if (chosen && *chosen) {
        return chosen;
    }
    constexpr std::uint64_t kRoomNeeded = std::uint64_t(1) << 30;
    struct statvfs memory
    {
    };
    if (statvfs("/dev/shm", &memory) == 0 && access("/dev/shm", W_OK | X_OK) == 0
        && std::uint64_t(memory.f_bavail) * memory.f_frsize >= kRoomNeeded) {
        return "/dev/shm";
    }
    return std::filesystem::temp_directory_path();
}

std::string makeTempDirectory()
{
    std::string pattern = (temporaryRoot() / "pelinor-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        throw std::runtime_error("cannot create a temporary directory");
    }
    return pattern;
}

// Building a data folder costs a dozen SQLite commits that wait for the disk; copying its files
// costs none. ctest runs every test in a process of its own, so the test binaries copy the
// folders that the build made once (PELINOR_TEMPLATE_FOLDERS); a program without them (the
// benchmarks) makes each content level once per process.
class TemplateFolders
{
public:
    TemplateFolders() = default;
    TemplateFolders(const TemplateFolders&) = delete;
    TemplateFolders& operator=(const TemplateFolders&) = delete;
    ~TemplateFolders()
    {
        if (!m_root.empty()) {
            std::error_code ignored;
            std::filesystem::remove_all(m_root, ignored);
        }
    }

    std::string folderFor(DataFolderContent content)
    {
#ifdef PELINOR_TEMPLATE_FOLDERS
        const std::string built = templateFolderIn(PELINOR_TEMPLATE_FOLDERS, content);
        std::error_code error;
        if (std::filesystem::exists(built + "sysmanager.dll", error)) {
            return built;
        }
#endif
        std::string& folder = m_folders[content];
        if (folder.empty()) {
            if (m_root.empty()) {
                m_root = makeTempDirectory();
            }
            const std::string made = templateFolderIn(m_root, content);
            const auto result = createDataFolder(made, content);
            if (!result.ok()) {
                throw std::runtime_error(result.message());
            }
            folder = made;
        }
        return folder;
    }

private:
    std::string m_root;
    std::map<DataFolderContent, std::string> m_folders;
};

void copyTemplate(DataFolderContent content, const std::string& folder)
{
    static TemplateFolders templates;
    const std::string source = templates.folderFor(content);
    std::filesystem::create_directories(folder);
    for (int id = kFirstDatabaseId; id <= kLastDatabaseId; ++id) {
        std::filesystem::copy_file(databasePathIn(source, id), databasePathIn(folder, id));
    }
}

} // namespace

TempDirectory::TempDirectory()
    : m_path(makeTempDirectory())
{
}

TempDirectory::~TempDirectory()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

TempDataFolder::TempDataFolder(DataFolderContent content)
    : m_path(makeTempDirectory() + "/formal/")
{
    copyTemplate(content, m_path);
    if (const char* previous = std::getenv("PELINOR_DATA_DIR")) {
        m_hadOverride = true;
        m_previousOverride = previous;
    }
    setenv("PELINOR_DATA_DIR", m_path.c_str(), 1);
}

TempDataFolder::~TempDataFolder()
{
    if (m_hadOverride) {
        setenv("PELINOR_DATA_DIR", m_previousOverride.c_str(), 1);
    } else {
        unsetenv("PELINOR_DATA_DIR");
    }
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::path(m_path).parent_path().parent_path(), ignored);
}

void TempDataFolder::exec(int databaseId, const std::string& sql) const
{
    CppSQLite3DB db;
    db.open(databasePathIn(m_path, databaseId));
    db.execScript(sql);
}

} // namespace pelinor::test
