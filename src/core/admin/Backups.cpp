#include "core/admin/Backups.h"

#include "core/common/AppInfo.h"
#include "core/common/CalendarDate.h"
#include "core/db/CppSQLite3DB.h"
#include "core/db/CppSQLite3Exception.h"
#include "core/db/DatabaseCatalog.h"
#include "core/db/DatabaseConnection.h"
#include "core/db/DatabaseReplacement.h"
#include "core/db/FileSync.h"
#include "core/db/NextId.h"
#include "core/db/SqlFormat.h"
#include "core/db/UnitOfWork.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>

namespace fs = std::filesystem;

namespace pelinor {

namespace {

// Files being written carry this ending until they are complete.
constexpr const char* kPartEnding = ".part";
// A set being deleted waits in this folder (plus its stamp) until its row is gone.
constexpr const char* kDeletingPrefix = ".deleting-";

DateTime oneSecondLater(const DateTime& moment)
{
    DateTime next = moment;
    if (++next.second < 60) {
        return next;
    }
    next.second = 0;
    if (++next.minute < 60) {
        return next;
    }
    next.minute = 0;
    if (++next.hour < 24) {
        return next;
    }
    next.hour = 0;
    const CalendarDate day = CalendarDate { moment.year, moment.month, moment.day }.plusDays(1);
    next.year = day.year;
    next.month = day.month;
    next.day = day.day;
    return next;
}

std::vector<std::string> setPaths(const std::string& folder, const std::string& stamp)
{
    std::vector<std::string> paths;
    for (const int id : Backups::databases()) {
        paths.push_back(folder + Backups::fileName(stamp, id));
    }
    return paths;
}

bool isListed(CppSQLite3DB& db, const std::string& stamp)
{
    return !db.execQuery(formatSql("SELECT ID FROM SJKBFTS WHERE BackupTime = '%s'", stamp)).eof();
}

bool stampInUse(CppSQLite3DB& db, const std::string& folder, const std::string& stamp)
{
    if (isListed(db, stamp)) {
        return true;
    }
    std::error_code error;
    const auto paths = setPaths(folder, stamp);
    return std::any_of(paths.begin(), paths.end(), [&](const std::string& path) { return fs::exists(path, error); });
}

// The note a restore keeps beside the live files while it writes them: the stamp of the set.
// Found by a later action, it means a restore was cut short (a crash, a power cut) and is finished
// first, so the data files never stay a mixture of two dates.
std::string restoreNotePath()
{
    return dataDirectory() + ".restoring";
}

std::optional<std::string> readRestoreNote()
{
    std::error_code error;
    if (!fs::exists(restoreNotePath(), error)) {
        return std::nullopt;
    }
    std::ifstream note(restoreNotePath());
    std::string stamp;
    std::getline(note, stamp);
    return stamp;
}

void writeRestoreNote(const std::string& stamp)
{
    const std::string path = restoreNotePath();
    {
        std::ofstream note(path, std::ios::trunc);
        note << stamp << "\n";
        if (!note.flush()) {
            throw CppSQLite3Exception(CppSQLite3Exception::kLayerError, "cannot write " + path);
        }
    }
    if (!syncFile(path) || !syncFolder(dataDirectory())) {
        throw CppSQLite3Exception(CppSQLite3Exception::kLayerError, "cannot write " + path);
    }
}

void removeRestoreNote()
{
    std::error_code ignored;
    fs::remove(restoreNotePath(), ignored);
}

// Writes the set's files over the live ones, all or none. Every file of the set is checked before
// the first live file is touched. `resuming`: the live files may be a mixture left by an
// interrupted restore, which only a complete restore puts right, so its note stays on failure.
Outcome<> restoreFiles(const std::string& folder, const std::string& stamp, int lockWaitMs, bool resuming)
{
    const auto failed = [resuming](const char* message) -> Outcome<> {
        if (!resuming) {
            removeRestoreNote();
        }
        return refuse(message);
    };
    if (!Backups::isStamp(stamp)) {
        return failed(Backups::kBackupDamaged);
    }
    // Every file of the set is copied beside its live file and checked there before the first
    // live file is touched. The note comes first, so whatever a crash leaves behind is found.
    DatabaseReplacement replacement(lockWaitMs);
    try {
        writeRestoreNote(stamp);
        for (const int id : Backups::databases()) {
            if (!replacement.stage(folder + Backups::fileName(stamp, id), GetDatabasePath(id)).empty()) {
                return failed(Backups::kBackupDamaged);
            }
        }
    } catch (const CppSQLite3Exception&) {
        return failed(Backups::kRestoreFailed);
    }
    switch (replacement.commit()) {
    case DatabaseReplacement::Result::Done:
        removeRestoreNote();
        return done();
    case DatabaseReplacement::Result::InUse:
        return failed(Backups::kFilesInUse);
    case DatabaseReplacement::Result::Failed:
        return failed(Backups::kRestoreFailed);
    case DatabaseReplacement::Result::PartlyPutBack:
        break;
    }
    // The note stays: the next action finishes the restore.
    return refuse(Backups::kRestoreIncomplete);
}

// Finishes a restore that was cut short, if there is one; nothing when there was none.
std::optional<Outcome<>> completeInterruptedRestore(CppSQLite3DB& db, const std::string& folder, int lockWaitMs)
{
    const auto stamp = readRestoreNote();
    if (!stamp) {
        return std::nullopt;
    }
    // A note cut short itself, or of a set deleted since, has nothing to finish: no live file was
    // touched before the note was complete, and a set is never deleted while its restore is pending.
    if (!Backups::isStamp(*stamp) || !isListed(db, *stamp)) {
        removeRestoreNote();
        return std::nullopt;
    }
    return restoreFiles(folder, *stamp, lockWaitMs, true);
}

// What an operation cut short left behind: half-written files are removed, and the files of a set
// whose delete did not reach its row go back where they were.
void tidyFolder(CppSQLite3DB& db, const std::string& folder)
{
    DatabaseReplacement::removeLeftovers(dataDirectory());
    std::error_code error;
    std::vector<fs::path> leftovers;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        leftovers.push_back(entry.path());
    }
    for (const fs::path& path : leftovers) {
        const std::string name = path.filename().string();
        const std::string part = std::string(".bak") + kPartEnding;
        if ((name.ends_with(part) || name.ends_with(part + "-journal")) && fs::is_regular_file(path, error)) {
            fs::remove(path, error);
        } else if (name.starts_with(kDeletingPrefix)) {
            const std::string stamp = name.substr(std::string(kDeletingPrefix).size());
            // The files of a set still listed go back; the folder goes only once it is empty.
            if (Backups::isStamp(stamp) && isListed(db, stamp)) {
                std::vector<fs::path> files;
                for (const auto& file : fs::directory_iterator(path, error)) {
                    files.push_back(file.path());
                }
                bool allBack = true;
                for (const fs::path& file : files) {
                    std::error_code moved;
                    fs::rename(file, fs::path(folder) / file.filename(), moved);
                    allBack = allBack && !moved;
                }
                if (!allBack) {
                    continue;
                }
            }
            fs::remove_all(path, error);
        }
    }
}

// Removes the files of an unfinished set unless told it is complete.
class WrittenFiles
{
public:
    ~WrittenFiles()
    {
        if (!m_kept) {
            std::error_code ignored;
            for (const auto& path : m_paths) {
                fs::remove(path, ignored);
            }
        }
    }
    void add(const std::string& path)
    {
        m_paths.push_back(path);
    }
    void keep()
    {
        m_kept = true;
    }

private:
    std::vector<std::string> m_paths;
    bool m_kept = false;
};

} // namespace

const std::vector<int>& Backups::databases()
{
    static const std::vector<int> ids = [] {
        std::vector<int> all;
        for (int id = kFirstDatabaseId; id <= kLastDatabaseId; ++id) {
            if (id != SysManagerDb) {
                all.push_back(id);
            }
        }
        return all;
    }();
    return ids;
}

std::string Backups::folder()
{
    return folderFor(dataDirectory());
}

std::string Backups::folderFor(const std::string& dataFolder)
{
    std::string data = fs::absolute(fs::path(dataFolder)).lexically_normal().string();
    while (data.size() > 1 && data.back() == '/') {
        data.pop_back();
    }
    fs::path beside = fs::path(data).parent_path() / kFolderName;
    return beside.string() + "/";
}

std::string Backups::fileName(const std::string& stamp, int databaseId)
{
    return stamp + databaseFileName(databaseId) + ".bak";
}

std::string Backups::stampOf(const DateTime& moment)
{
    char buffer[32];
    std::snprintf(buffer, sizeof(buffer), "%04d%02d%02d%02d%02d%02d", moment.year, moment.month, moment.day,
        moment.hour, moment.minute, moment.second);
    return buffer;
}

bool Backups::isStamp(const std::string& text)
{
    return text.size() == 14 && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string Backups::shownStamp(const std::string& stamp)
{
    if (!isStamp(stamp)) {
        return stamp;
    }
    return stamp.substr(0, 4) + "年" + stamp.substr(4, 2) + "月" + stamp.substr(6, 2) + "日    " + stamp.substr(8, 2)
        + "时" + stamp.substr(10, 2) + "分" + stamp.substr(12, 2) + "秒";
}

std::vector<BackupSet> Backups::list()
{
    DatabaseConnection db(SysManagerDb);
    std::vector<BackupSet> sets;
    for (auto query = db.execQuery("SELECT * FROM SJKBFTS ORDER BY rowid"); !query.eof(); query.nextRow()) {
        sets.push_back({ query.getIntField(0), query.getStringField(1), query.getStringField(2) });
    }
    // Each set goes on top of the list, so the newest comes first.
    std::reverse(sets.begin(), sets.end());
    return sets;
}

Outcome<BackupSet> Backups::backup(const std::string& userName)
{
    // Every file must be there before anything is written: a set is complete or it is not made.
    for (const int id : databases()) {
        std::error_code error;
        if (!fs::is_regular_file(GetDatabasePath(id), error)) {
            return refuse(kBackupFailed, kSystemPromptCaption);
        }
    }
    const std::string target = folder();
    std::error_code error;
    fs::create_directories(target, error);
    if (error) {
        return refuse(kBackupFailed, kSystemPromptCaption);
    }

    UnitOfWork work(SysManagerDb);
    // A restore cut short is finished first, so the set never holds a mixture of two dates.
    tidyFolder(work.db(), target);
    completeInterruptedRestore(work.db(), target, OnlineBackup::kDefaultLockWaitMs);

    // Two backups within one second must not share files: the later one takes the next free second.
    DateTime moment = programClock().now();
    std::string stamp = stampOf(moment);
    while (stampInUse(work.db(), target, stamp)) {
        moment = oneSecondLater(moment);
        stamp = stampOf(moment);
    }

    WrittenFiles written;
    try {
        for (const int id : databases()) {
            const std::string path = target + fileName(stamp, id);
            const std::string part = path + kPartEnding;
            written.add(part);
            OnlineBackup::copy(GetDatabasePath(id), part, OnlineBackup::kDefaultLockWaitMs, false);
            if (!syncFile(part)) {
                return refuse(kBackupFailed, kSystemPromptCaption);
            }
            written.add(path);
            fs::rename(part, path);
        }
    } catch (const CppSQLite3Exception&) {
        return refuse(kBackupFailed, kSystemPromptCaption);
    } catch (const fs::filesystem_error&) {
        return refuse(kBackupFailed, kSystemPromptCaption);
    }
    syncFolder(target);

    BackupSet set { nextId(work.db(), "SJKBFTS", "ID", 1), stamp, userName };
    work.db().execQuery(formatSql("INSERT INTO  SJKBFTS VALUES('%d','%s','%s')", set.id, set.stamp, set.user));
    work.commit();
    written.keep();
    return set;
}

Outcome<> Backups::restore(int setId, int lockWaitMs)
{
    UnitOfWork work(SysManagerDb);
    const std::string source = folder();
    auto row = work.db().execQuery(formatSql("SELECT * FROM SJKBFTS WHERE ID = '%d'", setId));
    if (row.eof()) {
        return refuse(kSetGone);
    }
    const std::string stamp = row.getStringField(1);
    row.finalize();
    tidyFolder(work.db(), source);
    // An unfinished earlier restore is overwritten by this one; should this one fail too, the
    // files stay a mixture and its note stays for the next attempt.
    const bool pending = readRestoreNote().has_value();
    return restoreFiles(source, stamp, lockWaitMs, pending);
}

std::optional<Outcome<>> Backups::finishInterruptedRestore(int lockWaitMs)
{
    const std::string source = folder();
    std::error_code error;
    if (!fs::exists(restoreNotePath(), error)) {
        return std::nullopt;
    }
    UnitOfWork work(SysManagerDb);
    tidyFolder(work.db(), source);
    return completeInterruptedRestore(work.db(), source, lockWaitMs);
}

Outcome<> Backups::remove(int setId)
{
    UnitOfWork work(SysManagerDb);
    const std::string source = folder();
    tidyFolder(work.db(), source);
    completeInterruptedRestore(work.db(), source, OnlineBackup::kDefaultLockWaitMs);

    auto row = work.db().execQuery(formatSql("SELECT * FROM SJKBFTS WHERE ID = '%d'", setId));
    if (row.eof()) {
        return refuse(kSetGone);
    }
    const std::string stamp = row.getStringField(1);
    row.finalize();
    if (!isStamp(stamp)) {
        return refuse(kFilesMissing);
    }
    // The set an unfinished restore still needs stays.
    if (readRestoreNote() == stamp) {
        return refuse(kRestoreIncomplete);
    }
    const std::vector<std::string> paths = setPaths(source, stamp);
    for (const std::string& path : paths) {
        std::error_code error;
        if (!fs::is_regular_file(path, error)) {
            return refuse(kFilesMissing);
        }
    }

    // The files step aside first and go for good only once the row is gone; whatever fails on
    // the way puts them back.
    const fs::path aside = fs::path(source) / (std::string(kDeletingPrefix) + stamp);
    std::vector<std::pair<fs::path, fs::path>> moved;
    auto moveBack = [&moved] {
        std::error_code ignored;
        for (const auto& [from, to] : moved) {
            fs::rename(to, from, ignored);
        }
    };
    try {
        fs::create_directories(aside);
        for (const std::string& path : paths) {
            const fs::path to = aside / fs::path(path).filename();
            fs::rename(path, to);
            moved.emplace_back(path, to);
        }
        work.db().execQuery(formatSql("DELETE  FROM SJKBFTS WHERE ID = '%d'", setId));
        work.commit();
    } catch (const fs::filesystem_error&) {
        moveBack();
        std::error_code ignored;
        fs::remove_all(aside, ignored);
        return refuse(kDeleteFailed);
    } catch (...) {
        moveBack();
        std::error_code ignored;
        fs::remove_all(aside, ignored);
        throw;
    }
    std::error_code ignored;
    fs::remove_all(aside, ignored);
    return done();
}

} // namespace pelinor
