// A backup and a restore of the large folder, as the backup page and the nightly job make them.
// Both write, so they work on a copy of the folder in a temporary directory.
#include "BenchData.h"
#include "TempDataFolder.h"
#include "core/admin/Backups.h"
#include "core/common/Clock.h"
#include "core/db/DatabaseCatalog.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sched.h>
#include <string>

using namespace pelinor;

namespace {

// A copy of a shared folder as "formal" in a temporary directory, named by PELINOR_DATA_DIR while it lives.
class FolderCopy
{
public:
    explicit FolderCopy(const std::string& from)
        : m_data(m_dir.path() + "/formal/")
    {
        std::filesystem::create_directories(m_data);
        for (int id = kFirstDatabaseId; id <= kLastDatabaseId; ++id) {
            std::filesystem::copy_file(databasePathIn(from, id), databasePathIn(m_data, id));
        }
        setenv("PELINOR_DATA_DIR", m_data.c_str(), 1);
    }
    ~FolderCopy()
    {
        unsetenv("PELINOR_DATA_DIR");
    }

private:
    test::TempDirectory m_dir;
    std::string m_data;
};

// PELINOR_BENCH_REALTIME=1: the measured rounds run ahead of everything else (first-in-first-out
// scheduling), which gives the figures of an idle machine on a busy one.
class RealtimeWhenAsked
{
public:
    RealtimeWhenAsked()
    {
        const char* realtime = std::getenv("PELINOR_BENCH_REALTIME");
        if (realtime && std::string(realtime) == "1") {
            sched_param priority {};
            priority.sched_priority = 10;
            m_raised = sched_setscheduler(0, SCHED_FIFO, &priority) == 0;
        }
    }
    ~RealtimeWhenAsked()
    {
        if (m_raised) {
            sched_param normal {};
            sched_setscheduler(0, SCHED_OTHER, &normal);
        }
    }
    RealtimeWhenAsked(const RealtimeWhenAsked&) = delete;
    RealtimeWhenAsked& operator=(const RealtimeWhenAsked&) = delete;

private:
    bool m_raised = false;
};

// Eleven files copied, synced and listed; each round a minute later, so no stamp is taken twice.
void backupOf(benchmark::State& state, const std::string& folder)
{
    const FolderCopy copy(folder);
    auto clock = std::make_shared<FixedClock>(DateTime { 2026, 12, 7, 0, 0, 0 });
    setProgramClock(clock);
    int minute = 0;
    const RealtimeWhenAsked realtime;
    for (auto _ : state) {
        clock->set({ 2026, 12, 7, minute / 60, minute % 60, 0 });
        ++minute;
        if (!Backups::backup("admin").ok()) {
            state.SkipWithError("backup refused");
        }
    }
    setProgramClock(nullptr);
}

// Every file of the set checked, copied beside its live file, all live files locked and replaced.
void restoreOf(benchmark::State& state, const std::string& folder)
{
    const FolderCopy copy(folder);
    const auto made = Backups::backup("admin");
    if (!made.ok()) {
        state.SkipWithError("backup refused");
        return;
    }
    const RealtimeWhenAsked realtime;
    for (auto _ : state) {
        if (!Backups::restore(made->id).ok()) {
            state.SkipWithError("restore refused");
        }
    }
}

void BM_BackupLargeFolder(benchmark::State& state)
{
    backupOf(state, bench::largeDemoFolder());
}
BENCHMARK(BM_BackupLargeFolder)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_RestoreLargeFolder(benchmark::State& state)
{
    restoreOf(state, bench::largeDemoFolder());
}
BENCHMARK(BM_RestoreLargeFolder)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace
