// The whole analysis of one plan day on the large folder: a one-day plan of the whole school (600
// children in 20 classes) and a child's one-day plan.
#include "BenchData.h"
#include "core/analysis/PlanDayAnalysis.h"
#include "core/common/ItemList.h"
#include "core/db/CppSQLite3DB.h"
#include "core/db/DatabaseCatalog.h"
#include "core/db/SqlFormat.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <stdexcept>

using namespace pelinor;

namespace {

struct LargePlans
{
    int wholeSchool = -1;
    int personal = -1;
};

// The analysis reads the folder PELINOR_DATA_DIR names; the plans are looked up rather than
// numbered here, so a change to the large folder's maker does not silently measure something else.
const LargePlans& largePlans()
{
    static const LargePlans plans = [] {
        const std::string& folder = bench::largeDemoFolder();
        setenv("PELINOR_DATA_DIR", folder.c_str(), 1);
        CppSQLite3DB pantry;
        pantry.open(databasePathIn(folder, PantryDb));
        CppSQLite3DB records;
        records.open(databasePathIn(folder, RecordDb));
        LargePlans found;
        for (auto query = pantry.execQuery(
                 "SELECT PrecordID, PrecordKind, PrecordSujects FROM PantryRecord WHERE PrecordCycle = '一天' "
                 "ORDER BY PrecordID DESC");
             !query.eof(); query.nextRow()) {
            if (query.getStringField(1) == "个人") {
                found.personal = query.getIntField(0);
                continue;
            }
            if (found.wholeSchool >= 0) {
                continue;
            }
            int children = 0;
            for (const std::string& className : splitItems(query.getStringField(2))) {
                children
                    += records.execQuery(formatSql("SELECT COUNT(*) FROM ArchivesBase WHERE Class = '%s'", className))
                           .getIntField(0);
            }
            if (children >= 600) {
                found.wholeSchool = query.getIntField(0);
            }
        }
        if (found.wholeSchool < 0 || found.personal < 0) {
            throw std::runtime_error("the large folder has no one-day plan of 600 children or of one child");
        }
        return found;
    }();
    return plans;
}

void BM_AnalyseWholeSchoolPlanDay(benchmark::State& state)
{
    const int plan = largePlans().wholeSchool;
    for (auto _ : state) {
        benchmark::DoNotOptimize(AnalysePlanDay(plan, "一天"));
    }
}
BENCHMARK(BM_AnalyseWholeSchoolPlanDay)->Unit(benchmark::kMillisecond);

void BM_AnalysePersonalPlanDay(benchmark::State& state)
{
    const int plan = largePlans().personal;
    for (auto _ : state) {
        benchmark::DoNotOptimize(AnalysePlanDay(plan, "一天"));
    }
}
BENCHMARK(BM_AnalysePersonalPlanDay)->Unit(benchmark::kMillisecond);

} // namespace
