#include "TempDataFolder.h"
#include "core/analysis/PlanDayAnalysis.h"
#include "core/db/DatabaseConnection.h"

#include <array>
#include <benchmark/benchmark.h>
#include <memory>
#include <string>

using namespace pelinor;

namespace {

constexpr int kPersonalPlan = 0; // 魏振宇一日食谱
constexpr int kWholeSchoolPlan = 2; // 全园周五食谱: 小班；中班；大班；小二班；大二班

// The demonstration folder with its five classes filled up to 600 children.
void schoolOf600()
{
    static const auto folder = [] {
        auto made = std::make_unique<test::TempDataFolder>(DataFolderContent::Demo);
        DatabaseConnection records(RecordDb);
        const int present = records
                                .execQuery("SELECT COUNT(*) FROM ArchivesBase WHERE Class IN "
                                           "('小班','中班','大班','小二班','大二班')")
                                .getIntField(0);
        const std::array<const char*, 5> classes = { "小班", "中班", "大班", "小二班", "大二班" };
        std::string sql = "BEGIN;";
        for (int i = present; i < 600; ++i) {
            const std::string n = std::to_string(i);
            sql += "INSERT INTO ArchivesBase(ArchID, ArchName, Gender, Height, Weight, Birth, Class) VALUES('99" + n
                + "', '孩子" + n + "', '" + (i % 2 ? "男" : "女") + "', '105.5', '17.5', '202"
                + std::to_string(1 + i % 3) + "-0" + std::to_string(1 + i % 9) + "-15', '"
                + classes[static_cast<std::size_t>(i % 5)] + "');";
        }
        made->exec(RecordDb, sql + "COMMIT;");
        return made;
    }();
}

} // namespace

// The whole analysis of one day of a class plan covering 600 children.
static void BM_AnalyseClassPlanDay(benchmark::State& state)
{
    schoolOf600();
    for (auto _ : state) {
        benchmark::DoNotOptimize(AnalysePlanDay(kWholeSchoolPlan, "一天"));
    }
}
BENCHMARK(BM_AnalyseClassPlanDay)->Unit(benchmark::kMillisecond);

// The whole analysis of one day of a personal plan.
static void BM_AnalysePersonalPlanDay(benchmark::State& state)
{
    schoolOf600();
    for (auto _ : state) {
        benchmark::DoNotOptimize(AnalysePlanDay(kPersonalPlan, "一天"));
    }
}
BENCHMARK(BM_AnalysePersonalPlanDay)->Unit(benchmark::kMillisecond);
