// The health lists a user waits for, on the large folder: a class's attendance counts and its
// examination list over a year.
#include "BenchData.h"
#include "core/health/Attendance.h"
#include "core/health/Examinations.h"

#include <benchmark/benchmark.h>
#include <cstdlib>

using namespace pelinor;

namespace {

const DateRange kYear { "2026-01-01", "2026-12-31" };

// The core reads the data folder named by PELINOR_DATA_DIR.
void useLargeFolder()
{
    setenv("PELINOR_DATA_DIR", bench::largeDemoFolder().c_str(), 1);
}

void BM_AttendanceStatisticsOfAClassOverAYear(benchmark::State& state)
{
    useLargeFolder();
    std::size_t rows = 0;
    for (auto _ : state) {
        const auto counts = attendanceStatistics("中班", kYear);
        rows = counts.size();
        benchmark::DoNotOptimize(counts.data());
    }
    state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_AttendanceStatisticsOfAClassOverAYear)->Unit(benchmark::kMillisecond);

void BM_ExaminationListOfAClassOverAYear(benchmark::State& state)
{
    useLargeFolder();
    std::size_t rows = 0;
    for (auto _ : state) {
        const auto list = listExaminations("中班", kYear);
        rows = list.size();
        benchmark::DoNotOptimize(list.data());
    }
    state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_ExaminationListOfAClassOverAYear)->Unit(benchmark::kMillisecond);

} // namespace
