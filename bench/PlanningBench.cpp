// The plan editor on the large folder: the reference of the whole kindergarten, opening a week plan
// of about 300 children, switching meal and day, saving a day and deleting the first of about
// 1,000 plans. Writing benchmarks work on a copy of the folder.
#include "BenchData.h"
#include "core/common/ItemList.h"
#include "core/db/DatabaseConnection.h"
#include "core/db/SqlFormat.h"
#include "core/planning/IntakeReference.h"
#include "core/planning/PlanEditor.h"
#include "core/planning/PlanRecords.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

using namespace pelinor;
namespace fs = std::filesystem;

namespace {

// Points the program's data folder at `folder` while it lives.
class DataFolderScope
{
public:
    explicit DataFolderScope(const std::string& folder)
    {
        if (const char* previous = std::getenv("PELINOR_DATA_DIR")) {
            m_previous = previous;
        }
        setenv("PELINOR_DATA_DIR", folder.c_str(), 1);
    }
    ~DataFolderScope()
    {
        if (m_previous.empty()) {
            unsetenv("PELINOR_DATA_DIR");
        } else {
            setenv("PELINOR_DATA_DIR", m_previous.c_str(), 1);
        }
    }

private:
    std::string m_previous;
};

// A writable copy of the large folder, made again by `refresh()`.
class FolderCopy
{
public:
    FolderCopy()
        : m_path((fs::temp_directory_path() / ("pelinor-planning-bench-" + std::to_string(::getpid()))).string() + "/")
    {
        refresh();
    }
    ~FolderCopy()
    {
        std::error_code ignored;
        fs::remove_all(m_path, ignored);
    }
    void refresh()
    {
        fs::remove_all(m_path);
        fs::copy(bench::largeDemoFolder(), m_path, fs::copy_options::recursive);
    }
    const std::string& path() const
    {
        return m_path;
    }

private:
    std::string m_path;
};

std::vector<std::string> classNames()
{
    DatabaseConnection records(RecordDb);
    std::vector<std::string> names;
    for (auto q = records.execQuery("SELECT ClassName FROM ClassInfo ORDER BY rowid"); !q.eof(); q.nextRow()) {
        names.push_back(q.getStringField(0));
    }
    return names;
}

int childCount()
{
    DatabaseConnection records(RecordDb);
    return records.execQuery("SELECT COUNT(*) FROM ArchivesBase").getIntField(0);
}

// Classes from the start of the class list until about `children` children are in.
std::string classesFor(int children)
{
    DatabaseConnection records(RecordDb);
    std::vector<std::string> chosen;
    int count = 0;
    for (const std::string& name : classNames()) {
        if (count >= children) {
            break;
        }
        chosen.push_back(name);
        count += records.execQuery(formatSql("SELECT COUNT(*) FROM ArchivesBase WHERE Class = '%s'", name))
                     .getIntField(0);
    }
    return joinItems(chosen);
}

// The last week plan of the folder, its subject made the first classes of about 300 children.
int weekPlanOf300(const FolderCopy& copy)
{
    DataFolderScope scope(copy.path());
    DatabaseConnection pantry(PantryDb);
    const int plan
        = pantry.execQuery("SELECT MAX(PrecordID) FROM PantryRecord WHERE PrecordCycle = '一周'").getIntField(0);
    const std::string subject = classesFor(300);
    pantry.execQuery(formatSql(
        "UPDATE PantryRecord SET PrecordKind = '团体', PrecordSujects = '%s' WHERE PrecordID = %d", subject, plan));
    return plan;
}

CalendarDate today()
{
    return { 2026, 12, 9 };
}

void BM_ReferenceOfAllChildren(benchmark::State& state)
{
    DataFolderScope scope(bench::largeDemoFolder());
    const std::string everyClass = joinItems(classNames());
    for (auto _ : state) {
        benchmark::DoNotOptimize(ComputeSubjectReference({ "团体", everyClass, "" }, 2026));
    }
    state.counters["children"] = childCount();
}
BENCHMARK(BM_ReferenceOfAllChildren)->Unit(benchmark::kMillisecond);

void BM_OpenWeekPlanOf300Children(benchmark::State& state)
{
    FolderCopy copy;
    const int plan = weekPlanOf300(copy);
    DataFolderScope scope(copy.path());
    PlanEditor editor;
    for (auto _ : state) {
        benchmark::DoNotOptimize(editor.OpenSavedPlan(plan, today()).ok());
    }
    state.counters["items"] = static_cast<double>(editor.items().size());
}
BENCHMARK(BM_OpenWeekPlanOf300Children)->Unit(benchmark::kMillisecond);

void BM_SwitchMeal(benchmark::State& state)
{
    FolderCopy copy;
    const int plan = weekPlanOf300(copy);
    DataFolderScope scope(copy.path());
    PlanEditor editor;
    editor.OpenSavedPlan(plan, today());
    int meal = 0;
    for (auto _ : state) {
        meal = (meal + 1) % 5;
        editor.SelectMeal(meal);
    }
}
BENCHMARK(BM_SwitchMeal)->Unit(benchmark::kMillisecond);

void BM_SwitchDay(benchmark::State& state)
{
    FolderCopy copy;
    const int plan = weekPlanOf300(copy);
    DataFolderScope scope(copy.path());
    PlanEditor editor;
    editor.OpenSavedPlan(plan, today());
    int day = 0;
    for (auto _ : state) {
        day = (day + 1) % 5;
        editor.SelectDay(day);
    }
}
BENCHMARK(BM_SwitchDay)->Unit(benchmark::kMillisecond);

void BM_SaveDay(benchmark::State& state)
{
    FolderCopy copy;
    const int plan = weekPlanOf300(copy);
    DataFolderScope scope(copy.path());
    PlanEditor editor;
    editor.OpenSavedPlan(plan, today());
    for (auto _ : state) {
        editor.SavePlan(today(), "bench"); // Monday's rows replaced, then on to Tuesday
        state.PauseTiming();
        editor.SelectDay(0);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SaveDay)->Unit(benchmark::kMillisecond);

void BM_DeleteFirstPlan(benchmark::State& state)
{
    FolderCopy copy;
    DataFolderScope scope(copy.path());
    int plans = 0;
    for (auto _ : state) {
        state.PauseTiming();
        copy.refresh();
        {
            DatabaseConnection pantry(PantryDb);
            plans = pantry.execQuery("SELECT COUNT(*) FROM PantryRecord").getIntField(0);
        }
        state.ResumeTiming();
        benchmark::DoNotOptimize(deletePlan(0).ok());
    }
    state.counters["plans"] = plans;
}
BENCHMARK(BM_DeleteFirstPlan)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
