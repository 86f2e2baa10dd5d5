// The health lists a user waits for: a class's attendance counts and examination list over a year.
#include "TempDataFolder.h"
#include "core/health/Attendance.h"
#include "core/health/Examinations.h"

#include <benchmark/benchmark.h>
#include <memory>

using namespace pelinor;

namespace {

const test::TempDataFolder& demoFolder()
{
    static const auto folder = std::make_unique<test::TempDataFolder>(DataFolderContent::Demo);
    return *folder;
}

const DateRange kYear { "2026-01-01", "2026-12-31" };

} // namespace

static void BM_AttendanceStatisticsOfAClassOverAYear(benchmark::State& state)
{
    demoFolder();
    for (auto _ : state) {
        benchmark::DoNotOptimize(attendanceStatistics("中班", kYear));
    }
}
BENCHMARK(BM_AttendanceStatisticsOfAClassOverAYear)->Unit(benchmark::kMillisecond);

static void BM_ExaminationListOfAClassOverAYear(benchmark::State& state)
{
    demoFolder();
    for (auto _ : state) {
        benchmark::DoNotOptimize(listExaminations("中班", kYear));
    }
}
BENCHMARK(BM_ExaminationListOfAClassOverAYear)->Unit(benchmark::kMillisecond);
