#include "core/db/DataFolder.h"

#include "core/db/CppSQLite3DB.h"
#include "core/db/CppSQLite3Exception.h"
#include "core/db/DatabaseCatalog.h"
#include "core/db/EmbeddedData.h"
#include "core/db/FileSync.h"
#include "core/db/TransactionGuard.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <stdexcept>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace pelinor {

namespace {

// "Record.dll" -> "Record": data files are named after the database file they fill.
std::string stemOf(const std::string& fileName)
{
    return fileName.substr(0, fileName.find('.'));
}

// The data files for one database and one folder of data/, in name order: "<stem>.sql" or "<stem>.<topic>.sql".
std::vector<const EmbeddedFile*> filesFor(const std::string& stem, std::string_view dataFolder)
{
    std::vector<const EmbeddedFile*> result;
    for (const auto& file : embeddedDataFiles()) {
        std::string_view path(file.path);
        if (!path.starts_with(dataFolder) || path.size() <= dataFolder.size() || path[dataFolder.size()] != '/') {
            continue;
        }
        std::string_view name = path.substr(dataFolder.size() + 1);
        if (name.starts_with(stem) && name.size() > stem.size() && name[stem.size()] == '.') {
            result.push_back(&file);
        }
    }
    return result;
}

void fillDatabase(const std::string& path, int databaseId, DataFolderContent content, const DataFolderFiller& filler)
{
    const std::string stem = stemOf(databaseFileName(databaseId));
    std::vector<std::string_view> folders { "schema" };
    if (content >= DataFolderContent::FirstRows) {
        folders.emplace_back("base");
    }
    if (content >= DataFolderContent::Library) {
        folders.emplace_back("content");
    }
    if (content >= DataFolderContent::Demo) {
        folders.emplace_back("demo");
    }
    CppSQLite3DB db;
    db.open(path);
    // A file under construction needs no journal on the disk and no waiting for the disk after
    // each step: a failure throws the whole file away, and it is synced once when complete.
    db.execScript("PRAGMA journal_mode = MEMORY; PRAGMA synchronous = OFF;");
    TransactionGuard transaction(db);
    for (auto folder : folders) {
        for (const EmbeddedFile* file : filesFor(stem, folder)) {
            try {
                db.execScript(std::string(file->content, file->size));
            } catch (const CppSQLite3Exception& e) {
                throw CppSQLite3Exception(e.errorCode(), std::string(file->path) + ": " + e.errorMessage());
            }
        }
    }
    if (filler) {
        filler(databaseId, db);
    }
    transaction.commit();
}

// A regular file of 0 bytes holds nothing to lose: SQLite leaves one behind when a program opens a
// data file that is not there. Such a file may be replaced; a link never is, whatever it points to.
bool isEmptyFile(const std::string& path)
{
    struct stat info
    {
    };
    return ::lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && info.st_size == 0;
}

// The first name that stands in the way of a new data file at `path`: the file itself (any kind of
// entry, a link to nothing too, but an empty file) and the journals SQLite would read into it.
std::string takenName(const std::string& path)
{
    for (const std::string& name : { path, path + "-journal", path + "-wal" }) {
        std::error_code error;
        const auto status = fs::symlink_status(name, error);
        if (status.type() == fs::file_type::not_found || (name == path && isEmptyFile(name))) {
            continue;
        }
        return name;
    }
    return {};
}

std::string firstTakenName(const std::vector<std::string>& paths)
{
    for (const auto& path : paths) {
        if (auto taken = takenName(path); !taken.empty()) {
            return taken;
        }
    }
    return {};
}

// One creation at a time per folder: a second one refuses while the first runs. The lock goes
// with the process, so a creation that was killed never blocks the next one.
class FolderLock
{
public:
    explicit FolderLock(const std::string& folder)
        : m_descriptor(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
    {
        m_held = m_descriptor >= 0 && ::flock(m_descriptor, LOCK_EX | LOCK_NB) == 0;
    }
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;
    ~FolderLock()
    {
        if (m_descriptor >= 0) {
            ::close(m_descriptor); // releases the lock
        }
    }

    bool held() const
    {
        return m_held;
    }

    // Makes the renames in the folder last through a power cut.
    void sync() const
    {
        if (m_descriptor >= 0) {
            ::fsync(m_descriptor);
        }
    }

private:
    int m_descriptor;
    bool m_held = false;
};

constexpr std::string_view kWorkFolderPrefix = ".pelinor-initdb-";

// Work folders left by a creation that was killed; only the holder of the folder lock calls this.
void removeAbandonedWork(const std::string& folder)
{
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        if (entry.path().filename().string().starts_with(kWorkFolderPrefix)) {
            std::error_code ignored;
            fs::remove_all(entry.path(), ignored);
        }
    }
}

std::string makeWorkFolder(const std::string& folder)
{
    std::string pattern = (fs::path(folder) / (std::string(kWorkFolderPrefix) + "XXXXXX")).string();
    if (!::mkdtemp(pattern.data())) {
        throw std::runtime_error(folder + "（" + std::strerror(errno) + "）");
    }
    return pattern;
}

// Moves a finished file to its name unless something has that name by now. File systems without
// an atomic "rename unless taken" get a check right before an ordinary rename.
bool placeFile(const std::string& from, const std::string& to)
{
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
        return true;
    }
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) {
        return false;
    }
    std::error_code error;
    if (fs::symlink_status(to, error).type() != fs::file_type::not_found) {
        errno = EEXIST;
        return false;
    }
    return ::rename(from.c_str(), to.c_str()) == 0;
}

// The folders on the way to `folder` that do not exist yet, the deepest first.
std::vector<fs::path> missingFolders(const std::string& folder)
{
    std::vector<fs::path> missing;
    std::error_code error;
    for (fs::path path = fs::path(folder).lexically_normal(); !path.empty() && !fs::exists(path, error);
         path = path.parent_path()) {
        if (path.has_filename()) {
            missing.push_back(path);
        } else if (path == path.parent_path()) {
            break;
        }
    }
    return missing;
}

Outcome<> buildAndPlace(const std::string& folder,
    const std::vector<std::string>& finalPaths,
    DataFolderContent content,
    const DataFolderFiller& filler,
    const FolderLock& lock)
{
    std::string work;
    auto removeWork = [&work] {
        if (!work.empty()) {
            std::error_code ignored;
            fs::remove_all(work, ignored);
        }
    };
    std::vector<std::string> builtPaths;
    try {
        work = makeWorkFolder(folder);
        for (int id = kFirstDatabaseId; id <= kLastDatabaseId; ++id) {
            builtPaths.push_back(databasePathIn(work, id));
            fillDatabase(builtPaths.back(), id, content, filler);
            if (!syncFile(builtPaths.back())) {
                throw std::runtime_error(builtPaths.back() + "（" + std::strerror(errno) + "）");
            }
        }
    } catch (const CppSQLite3Exception& e) {
        removeWork();
        return refuse("创建数据文件失败：" + e.errorMessage());
    } catch (const std::exception& e) {
        removeWork();
        return refuse(std::string("创建数据文件失败：") + e.what());
    }

    // Checked again right before the files go in place: another program may have written one meanwhile.
    if (auto taken = firstTakenName(finalPaths); !taken.empty()) {
        removeWork();
        return refuse("数据文件已存在，未做任何更改：" + taken);
    }
    std::vector<std::string> placed;
    for (size_t i = 0; i < finalPaths.size(); ++i) {
        if (isEmptyFile(finalPaths[i])) {
            ::unlink(finalPaths[i].c_str());
        }
        if (!placeFile(builtPaths[i], finalPaths[i])) {
            const int reason = errno;
            for (const auto& path : placed) {
                ::unlink(path.c_str());
            }
            removeWork();
            if (reason == EEXIST) {
                return refuse("数据文件已存在，未做任何更改：" + finalPaths[i]);
            }
            return refuse("无法写入数据文件：" + finalPaths[i] + "（" + std::strerror(reason) + "）");
        }
        placed.push_back(finalPaths[i]);
    }
    lock.sync();
    removeWork();
    return done();
}

} // namespace

std::string takenDataFileName(const std::string& folder)
{
    std::vector<std::string> paths;
    for (int id = kFirstDatabaseId; id <= kLastDatabaseId; ++id) {
        paths.push_back(databasePathIn(folder, id));
    }
    return firstTakenName(paths);
}

Outcome<> createDataFolder(const std::string& folder, DataFolderContent content)
{
    return createDataFolder(folder, content, DataFolderFiller());
}

Outcome<> createDataFolder(const std::string& folder, DataFolderContent content, const DataFolderFiller& filler)
{
    std::vector<std::string> finalPaths;
    for (int id = kFirstDatabaseId; id <= kLastDatabaseId; ++id) {
        finalPaths.push_back(databasePathIn(folder, id));
    }
    if (auto taken = takenDataFileName(folder); !taken.empty()) {
        return refuse("数据文件已存在，未做任何更改：" + taken);
    }

    // Everything made here goes again when the creation fails: the folders, the work folder and
    // the files already in place.
    const std::vector<fs::path> madeFolders = missingFolders(folder);
    auto removeMadeFolders = [&madeFolders] {
        for (const auto& made : madeFolders) {
            std::error_code ignored;
            fs::remove(made, ignored); // only while empty
        }
    };
    std::error_code error;
    fs::create_directories(folder, error);
    if (error) {
        removeMadeFolders();
        return refuse("无法创建数据文件夹：" + folder + "（" + error.message() + "）");
    }

    Outcome<> result = done();
    {
        FolderLock lock(folder);
        if (!lock.held()) {
            result = refuse("另一个程序正在创建这个数据文件夹，未做任何更改：" + folder);
        } else if (auto taken = firstTakenName(finalPaths); !taken.empty()) {
            // Made while this one waited to begin.
            result = refuse("数据文件已存在，未做任何更改：" + taken);
        } else {
            removeAbandonedWork(folder);
            result = buildAndPlace(folder, finalPaths, content, filler, lock);
        }
    }
    if (!result.ok()) {
        removeMadeFolders();
    }
    return result;
}

} // namespace pelinor
