#include "BackupTestSupport.h"
#include "core/admin/Backups.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

using namespace pelinor;

namespace {

// The live files before each restore: a marker of the round and a large table the backup does
// not have, so that a restored file differs from the old one on many pages.
void makeOldFiles(const std::string& marker)
{
    test::setMarkers(marker);
    for (int id = kFirstDatabaseId; id <= kLastDatabaseId; ++id) {
        CppSQLite3DB db;
        db.open(GetDatabasePath(id));
        db.execScript("CREATE TABLE IF NOT EXISTS Filler(b BLOB); DELETE FROM Filler;"
                      "INSERT INTO Filler VALUES(zeroblob(150000));");
    }
}

enum class FileState
{
    Old,
    Restored,
    Neither
};

// Opens the file as the program would next time (SQLite rolls a journal left behind back), checks
// it and says which version it holds.
FileState stateOf(int id, const std::string& oldMarker)
{
    CppSQLite3DB db;
    db.open(GetDatabasePath(id));
    if (db.execQuery("PRAGMA integrity_check").getStringField(0) != "ok") {
        return FileState::Neither;
    }
    const std::string marker = db.execQuery("SELECT v FROM Marker").getStringField(0);
    const bool filler = db.execQuery("SELECT COUNT(*) FROM sqlite_master WHERE name = 'Filler'").getIntField(0) == 1;
    if (marker == oldMarker && filler && db.execQuery("SELECT LENGTH(b) FROM Filler").getIntField(0) == 150000) {
        return FileState::Old;
    }
    if (marker == "backup" && !filler) {
        return FileState::Restored;
    }
    return FileState::Neither;
}

// The restore runs in a child process that is killed at a random moment of it; every file must then
// be whole and hold either its old or its restored content, and the next action of the program
// finishes an interrupted restore, so the files end up all old (killed before it began) or all
// restored.
// A kill, unlike a power cut, loses nothing the process handed to the kernel, so the files may
// live in memory (tmpfs), where waiting for the disk costs nothing and the rounds stay quick.
class MemoryTempFolder
{
public:
    MemoryTempFolder()
    {
        if (const char* previous = std::getenv("TMPDIR")) {
            m_previous = previous;
            m_had = true;
        }
        std::error_code error;
        if (std::filesystem::is_directory("/dev/shm", error)) {
            setenv("TMPDIR", "/dev/shm", 1);
        }
    }
    ~MemoryTempFolder()
    {
        if (m_had) {
            setenv("TMPDIR", m_previous.c_str(), 1);
        } else {
            unsetenv("TMPDIR");
        }
    }

private:
    std::string m_previous;
    bool m_had = false;
};

TEST(RestoreKillTest, AKilledRestoreLeavesEveryFileWholeAndTheSetAllOrNothing)
{
    const MemoryTempFolder inMemory;
    test::TempDataFolder folder(DataFolderContent::FirstRows);
    test::FixedProgramClock clock({ 2026, 12, 7, 20, 0, 0 });
    test::setMarkers("backup");
    const auto made = Backups::backup("admin");
    ASSERT_TRUE(made.ok());

    // How long one restore takes in a child process here decides the moments to kill it at.
    const auto restoreInChild = [&made] {
        const pid_t child = fork();
        if (child == 0) {
            _exit(Backups::restore(made->id).ok() ? 0 : 3);
        }
        return child;
    };
    makeOldFiles("timing");
    const auto start = std::chrono::steady_clock::now();
    const pid_t timed = restoreInChild();
    ASSERT_GT(timed, 0);
    int timedStatus = 0;
    waitpid(timed, &timedStatus, 0);
    const auto took = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
    ASSERT_TRUE(WIFEXITED(timedStatus) && WEXITSTATUS(timedStatus) == 0);

    std::mt19937 random(20261207);
    std::uniform_int_distribution<long long> moment(0, took.count() * 5 / 4);
    int cutShort = 0;
    int finishedLater = 0;
    for (int round = 0; round < 24; ++round) {
        const std::string old = "old" + std::to_string(round);
        makeOldFiles(old);
        // Nothing of the parent's SQLite state may cross the fork: every connection is closed here.
        const pid_t child = restoreInChild();
        ASSERT_GT(child, 0);
        usleep(static_cast<useconds_t>(moment(random)));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        const bool killed = WIFSIGNALED(status);
        if (!killed) {
            ASSERT_EQ(WEXITSTATUS(status), 0) << "round " << round;
        }

        for (const int id : Backups::databases()) {
            const FileState state = stateOf(id, old);
            ASSERT_NE(state, FileState::Neither) << "round " << round << ", file " << databaseFileName(id);
        }
        EXPECT_EQ(stateOf(SysManagerDb, old), FileState::Old) << "round " << round;
        if (killed) {
            ++cutShort;
        }

        const auto finished = Backups::finishInterruptedRestore();
        if (finished) {
            ASSERT_TRUE(finished->ok()) << finished->message();
            ++finishedLater;
        }
        std::string after;
        for (const int id : Backups::databases()) {
            after += stateOf(id, old) == FileState::Old ? 'o' : 'r';
        }
        EXPECT_TRUE(after == std::string(11, 'o') || after == std::string(11, 'r'))
            << "round " << round << ": " << after;
        if (finished) {
            EXPECT_EQ(after, std::string(11, 'r')) << "round " << round;
        }
        for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
            const std::string name = entry.path().filename().string();
            EXPECT_TRUE(name.ends_with(".dll") || name.ends_with(".DLL")) << "round " << round << ": " << name;
        }
    }
    // The moments must really fall inside restores, or the test proves nothing.
    EXPECT_GT(finishedLater, 0);
    std::cout << "a restore takes " << took.count() / 1000 << " ms here; " << cutShort << " of 24 were cut short, "
              << finishedLater << " of them after they had begun and were finished afterwards\n";
}

} // namespace
