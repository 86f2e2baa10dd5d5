// A new plan item's number on the large folder: MAX()+1 through the index (nextId), beside the
// scan of every row that reading "SELECT * ... ORDER BY PcookID DESC" to its end would cost.
#include "BenchData.h"
#include "core/db/CppSQLite3DB.h"
#include "core/db/DatabaseCatalog.h"
#include "core/db/NextId.h"

#include <algorithm>
#include <benchmark/benchmark.h>

using namespace pelinor;

namespace {

void BM_NextIdPantryCook(benchmark::State& state)
{
    CppSQLite3DB pantry;
    pantry.open(databasePathIn(bench::largeDemoFolder(), PantryDb));
    for (auto _ : state) {
        benchmark::DoNotOptimize(nextId(pantry, "PantryCook", "PcookID", 0));
    }
}
BENCHMARK(BM_NextIdPantryCook)->Unit(benchmark::kMicrosecond);

void BM_NextIdPantryCookByScan(benchmark::State& state)
{
    CppSQLite3DB pantry;
    pantry.open(databasePathIn(bench::largeDemoFolder(), PantryDb));
    for (auto _ : state) {
        int largest = -1;
        for (auto query = pantry.execQuery("SELECT * FROM PantryCook  ORDER BY PcookID DESC"); !query.eof();
             query.nextRow()) {
            largest = std::max(largest, query.getIntField(0));
        }
        benchmark::DoNotOptimize(largest + 1);
    }
}
BENCHMARK(BM_NextIdPantryCookByScan)->Unit(benchmark::kMillisecond);

} // namespace
