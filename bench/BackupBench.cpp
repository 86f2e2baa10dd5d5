#include "TempDataFolder.h"
#include "core/admin/Backups.h"
#include "core/common/Clock.h"

#include <benchmark/benchmark.h>
#include <memory>

using namespace pelinor;

// One backup set of the demonstration data folder, as the page and the nightly job make it:
// eleven files copied, synced and listed. Each round a minute later, so no stamp is taken.
static void BM_BackupDataFolder(benchmark::State& state)
{
    test::TempDataFolder folder(DataFolderContent::Demo);
    auto clock = std::make_shared<FixedClock>(DateTime { 2026, 12, 7, 0, 0, 0 });
    setProgramClock(clock);
    int minute = 0;
    for (auto _ : state) {
        clock->set({ 2026, 12, 7, minute / 60, minute % 60, 0 });
        ++minute;
        if (!Backups::backup("admin").ok()) {
            state.SkipWithError("backup refused");
        }
    }
    setProgramClock(nullptr);
}
BENCHMARK(BM_BackupDataFolder)->Unit(benchmark::kMillisecond)->Iterations(20);

// Restoring one set over the live files: every file checked, copied over its live file and the
// overwritten content kept in memory until the end.
static void BM_RestoreDataFolder(benchmark::State& state)
{
    test::TempDataFolder folder(DataFolderContent::Demo);
    const auto made = Backups::backup("admin");
    if (!made.ok()) {
        state.SkipWithError("backup refused");
        return;
    }
    for (auto _ : state) {
        if (!Backups::restore(made->id).ok()) {
            state.SkipWithError("restore refused");
        }
    }
}
BENCHMARK(BM_RestoreDataFolder)->Unit(benchmark::kMillisecond)->Iterations(20);
