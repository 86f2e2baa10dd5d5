#include "core/db/DatabaseReplacement.h"

#include "core/db/CppSQLite3DB.h"
#include "core/db/CppSQLite3Exception.h"
#include "core/db/FileSync.h"

#include <filesystem>
#include <memory>

namespace fs = std::filesystem;

namespace pelinor {

namespace {

// The new file waits under this ending, the old one under the other until every file is in place.
constexpr const char* kIncomingEnding = ".restoring-new";
constexpr const char* kOutgoingEnding = ".restoring-old";

} // namespace

DatabaseReplacement::DatabaseReplacement(int lockWaitMs)
    : m_lockWaitMs(lockWaitMs)
{
}

DatabaseReplacement::~DatabaseReplacement()
{
    cleanUp();
}

std::string DatabaseReplacement::stage(const std::string& sourcePath, const std::string& livePath)
{
    std::error_code error;
    if (!fs::is_regular_file(sourcePath, error)) {
        return "missing: " + sourcePath;
    }
    Entry entry { livePath, livePath + kIncomingEnding, livePath + kOutgoingEnding };
    m_entries.push_back(entry);
    // The source is a finished file nobody writes to, so the kernel may copy it whole; what is
    // checked is the copy itself, the very file that will be put in place.
    fs::copy_file(sourcePath, entry.incoming, fs::copy_options::overwrite_existing, error);
    if (error) {
        throw CppSQLite3Exception(CppSQLite3Exception::kLayerError, "cannot write " + entry.incoming);
    }
    if (std::string problem = OnlineBackup::problemWith(entry.incoming); !problem.empty()) {
        return problem;
    }
    if (!syncFile(entry.incoming)) {
        throw CppSQLite3Exception(CppSQLite3Exception::kLayerError, "cannot write " + entry.incoming);
    }
    return {};
}

DatabaseReplacement::Result DatabaseReplacement::commit()
{
    // Every lock first: a file another program holds stops the whole replacement before any file moved.
    std::vector<std::unique_ptr<CppSQLite3DB>> locks;
    try {
        for (Entry& entry : m_entries) {
            std::error_code error;
            entry.existed = fs::exists(entry.live, error);
            if (!entry.existed) {
                continue;
            }
            auto lock = std::make_unique<CppSQLite3DB>();
            lock->setBusyTimeout(m_lockWaitMs);
            lock->open(entry.live);
            lock->execQuery("BEGIN EXCLUSIVE");
            locks.push_back(std::move(lock));
        }
    } catch (const CppSQLite3Exception& e) {
        return OnlineBackup::isLockError(e.errorCode()) ? Result::InUse : Result::Failed;
    }

    bool allMoved = true;
    for (Entry& entry : m_entries) {
        std::error_code error;
        fs::remove(entry.outgoing, error);
        if (entry.existed) {
            // A second name keeps the old file until every new one is in place.
            fs::create_hard_link(entry.live, entry.outgoing, error);
        }
        if (!error) {
            fs::rename(entry.incoming, entry.live, error);
        }
        if (error) {
            allMoved = false;
            break;
        }
        entry.swapped = true;
    }
    if (!allMoved) {
        bool allBack = true;
        for (auto it = m_entries.rbegin(); it != m_entries.rend(); ++it) {
            if (!it->swapped) {
                continue;
            }
            std::error_code error;
            if (it->existed) {
                fs::rename(it->outgoing, it->live, error);
            } else {
                fs::remove(it->live, error);
            }
            allBack = allBack && !error;
        }
        return allBack ? Result::Failed : Result::PartlyPutBack;
    }
    if (!m_entries.empty()) {
        syncFolder(fs::path(m_entries.front().live).parent_path().string());
    }
    // The locks were on the files now replaced; letting them go lets waiting programs read the new ones.
    locks.clear();
    cleanUp();
    m_entries.clear();
    return Result::Done;
}

void DatabaseReplacement::cleanUp()
{
    std::error_code ignored;
    for (const Entry& entry : m_entries) {
        fs::remove(entry.incoming, ignored);
        fs::remove(entry.outgoing, ignored);
    }
}

void DatabaseReplacement::removeLeftovers(const std::string& folder)
{
    std::error_code error;
    std::vector<fs::path> leftovers;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (name.ends_with(kIncomingEnding) || name.ends_with(kOutgoingEnding)
            || name.ends_with(std::string(kIncomingEnding) + "-journal")) {
            leftovers.push_back(entry.path());
        }
    }
    for (const auto& path : leftovers) {
        fs::remove(path, error);
    }
}

} // namespace pelinor
