#pragma once

#include "core/common/Clock.h"
#include "core/common/Outcome.h"
#include "core/db/OnlineBackup.h"

#include <optional>
#include <string>
#include <vector>

namespace pelinor {

// One backup set: a row of SJKBFTS and one file per backed-up database in the backup folder.
struct BackupSet
{
    int id = 0;
    std::string stamp; // "%Y%m%d%H%M%S", the prefix of the set's file names
    std::string user; // the account that made it
};

// Backups of the data files into the folder "BFWJ" beside the data folder. The accounts file
// (sysmanager) holds the list of sets and is never part of one, so a restore keeps the accounts,
// roles and the list itself.
//
// Backup, restore and delete each run while holding the sysmanager file's write lock, so two of
// them (the page and a nightly job, say) never work on the backup folder at the same time.
class Backups
{
public:
    static constexpr const char* kFolderName = "BFWJ";

    static constexpr const char* kBackupQuestion = "您确定要备份？";
    static constexpr const char* kBackupDone = "数据库备份成功！";
    static constexpr const char* kBackupFailed = "数据损坏，备份失败";
    static constexpr const char* kNothingSelected = "请选择还原对象!";
    static constexpr const char* kRestoreDone = "数据库还原成功！";
    static constexpr const char* kBackupDamaged = "数据备份损坏,无法还原数据库";
    static constexpr const char* kFilesInUse = "数据库文件正在被其他程序使用，未做任何还原。请关闭其他程序后再试！";
    static constexpr const char* kRestoreFailed = "数据库还原失败，数据库文件未做任何更改！";
    static constexpr const char* kRestoreIncomplete
        = "数据库还原未能完成，部分数据文件未能恢复原样，请重新还原该备份！";
    static constexpr const char* kSetGone = "该备份已不存在！";
    static constexpr const char* kDeleteQuestion = "备份删除将无法找到，您确定要删除吗？";
    static constexpr const char* kFilesMissing = "备份数据不存在，请及时备份数据文件！";
    static constexpr const char* kDeleteFailed = "备份删除失败，未做任何更改！";

    // The databases of a set, in order: every file of the data folder but sysmanager.
    static const std::vector<int>& databases();

    // The backup folder beside the current data folder (ending in "/"), and the same for any data folder.
    static std::string folder();
    static std::string folderFor(const std::string& dataFolder);

    // "20141105093000" + "cook.dll" + ".bak": the file a set keeps of one database.
    static std::string fileName(const std::string& stamp, int databaseId);

    // The stamp of a moment, "%Y%m%d%H%M%S".
    static std::string stampOf(const DateTime& moment);
    // Only a stamp of exactly 14 digits is ever used in a file path.
    static bool isStamp(const std::string& text);
    // "2014年11月05日    09时30分00秒" for "20141105093000"; any other text as it is.
    static std::string shownStamp(const std::string& stamp);

    // Every set, the newest first.
    static std::vector<BackupSet> list();

    // Copies the eleven files as a new set made by `userName`, stamped with the program clock's
    // time (or the next second no other set uses). The set is listed only when every file is
    // written; a failure leaves neither a row nor a file behind.
    static Outcome<BackupSet> backup(const std::string& userName);

    // Puts the set's files in place of the live ones, all of them or none: every backup file is
    // checked first, copied beside its live file, and only when every live file is locked are
    // they renamed into place. A restore cut short by a crash is finished by the next backup,
    // restore or delete, or by finishInterruptedRestore, which the programs call when they start.
    static Outcome<> restore(int setId, int lockWaitMs = OnlineBackup::kDefaultLockWaitMs);
    // Finishes a restore that was cut short; nothing when none was. A refusal means the data
    // files may still be a mixture and the set should be restored again.
    static std::optional<Outcome<>> finishInterruptedRestore(int lockWaitMs = OnlineBackup::kDefaultLockWaitMs);

    // Deletes the set's files and its row, or nothing when a file is missing.
    static Outcome<> remove(int setId);
};

} // namespace pelinor
