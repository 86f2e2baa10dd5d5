// The purchase list and the printed menu on the large folder: a year of plans added up, one
// preview page painted, and the weekly menu written as a PDF.
#include "BenchData.h"
#include "core/common/CalendarDate.h"
#include "core/planning/MenuView.h"
#include "core/planning/PurchaseList.h"
#include "reports/MenuReport.h"
#include "reports/PurchaseReport.h"
#include "reports/ReportApplication.h"
#include "reports/ReportOutput.h"

#include <QString>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdlib>

using namespace pelinor;

namespace {

// The large folder as the data folder, and the fonts the reports paint with.
void useLargeFolder()
{
    ::setenv("PELINOR_DATA_DIR", bench::largeDemoFolder().c_str(), 1);
    // Kept for the whole run: Qt's application must outlive every painter.
    static auto* application = new ReportApplication;
    (void)application;
}

// The last week plan of the folder: five days of a whole class's meals.
MenuPlan lastWeekPlan()
{
    for (int id = 2000; id >= 0; --id) {
        if (const auto plan = loadMenuPlan(id); plan && !plan->isOneDay()) {
            return *plan;
        }
    }
    return {};
}

void BM_PurchaseListOneYear(benchmark::State& state)
{
    useLargeFolder();
    const CalendarDate from { 2025, 1, 1 };
    const CalendarDate to { 2025, 12, 31 };
    std::size_t foods = 0;
    for (auto _ : state) {
        foods = buildPurchaseList(from, to).size();
        benchmark::DoNotOptimize(foods);
    }
    state.counters["foods"] = static_cast<double>(foods);
}
BENCHMARK(BM_PurchaseListOneYear)->Unit(benchmark::kMillisecond);

void BM_PreviewPageWeeklyMenu(benchmark::State& state)
{
    useLargeFolder();
    const Report report = makeMenuReport(menuReportData(buildMenuGrid(lastWeekPlan())));
    for (auto _ : state) {
        benchmark::DoNotOptimize(renderReportPage(report, 1, 96, 96));
    }
}
BENCHMARK(BM_PreviewPageWeeklyMenu)->Unit(benchmark::kMillisecond);

void BM_PreviewPagePurchaseList(benchmark::State& state)
{
    useLargeFolder();
    const Report report = makePurchaseReport(buildPurchaseList({ 2025, 1, 1 }, { 2025, 12, 31 }),
        QStringLiteral("2025-01-01"), QStringLiteral("2025-12-31"));
    for (auto _ : state) {
        benchmark::DoNotOptimize(renderReportPage(report, 2, 96, 96));
    }
}
BENCHMARK(BM_PreviewPagePurchaseList)->Unit(benchmark::kMillisecond);

// From the plan number to the file: the grid read from the folder, the page laid out and written.
void BM_WeeklyMenuToPdf(benchmark::State& state)
{
    useLargeFolder();
    const int planId = lastWeekPlan().id;
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("menu.pdf"));
    for (auto _ : state) {
        const auto plan = loadMenuPlan(planId);
        const QString failure = writeReportPdf(makeMenuReport(menuReportData(buildMenuGrid(*plan))), path);
        if (!failure.isEmpty()) {
            state.SkipWithError(failure.toStdString().c_str());
            break;
        }
    }
}
BENCHMARK(BM_WeeklyMenuToPdf)->Unit(benchmark::kMillisecond);

} // namespace
