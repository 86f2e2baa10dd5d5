// The printed analysis report of a class's day on the large folder, from the plan number to the
// PDF: the analysis, the four pages laid out and written.
#include "BenchData.h"
#include "core/analysis/PlanDayAnalysis.h"
#include "core/db/CppSQLite3DB.h"
#include "core/db/DatabaseCatalog.h"
#include "reports/AnalysisReport.h"
#include "reports/ReportApplication.h"
#include "reports/ReportOutput.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdlib>

using namespace pelinor;

namespace {

// The latest one-day class plan of the large folder.
int classPlan()
{
    static const int plan = [] {
        const std::string& folder = bench::largeDemoFolder();
        ::setenv("PELINOR_DATA_DIR", folder.c_str(), 1);
        CppSQLite3DB pantry;
        pantry.open(databasePathIn(folder, PantryDb));
        auto query = pantry.execQuery("SELECT PrecordID FROM PantryRecord WHERE PrecordCycle = '一天' AND "
                                      "PrecordKind <> '个人' ORDER BY PrecordID DESC LIMIT 1");
        return query.eof() ? -1 : query.getIntField(0);
    }();
    return plan;
}

void BM_ClassAnalysisReportToPdf(benchmark::State& state)
{
    const int plan = classPlan();
    // Kept for the whole run: Qt's application must outlive every painter.
    static auto* application = new ReportApplication;
    (void)application;
    if (plan < 0) {
        state.SkipWithError("the large folder has no one-day class plan");
        return;
    }
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("analysis.pdf"));
    const auto write = [&] {
        const AnalysisReportData data { AnalysePlanDay(plan, "一天"), QStringLiteral("    该评价与建议由营养师添加："),
            QStringLiteral("膳食搭配总体合理。") };
        return writeReportPdf(makeAnalysisReport(data), path);
    };
    // The first report loads the fonts; it is not measured.
    if (const QString failure = write(); !failure.isEmpty()) {
        state.SkipWithError(failure.toStdString().c_str());
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(write());
    }
}
BENCHMARK(BM_ClassAnalysisReportToPdf)->Unit(benchmark::kMillisecond);

} // namespace
