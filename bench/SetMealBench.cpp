// Saving and deleting a set meal on the large folder (200 set meals), each in one transaction.
#include "BenchData.h"
#include "TempDataFolder.h"
#include "core/setmeals/SetMeals.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

using namespace pelinor;

namespace {

// A copy of the large folder that PELINOR_DATA_DIR names while it lives: the benchmarks write.
class LargeFolderCopy
{
public:
    LargeFolderCopy()
    {
        std::filesystem::copy(bench::largeDemoFolder(), m_dir.path(), std::filesystem::copy_options::recursive);
        if (const char* previous = std::getenv("PELINOR_DATA_DIR")) {
            m_previous = previous;
        }
        ::setenv("PELINOR_DATA_DIR", (m_dir.path() + "/").c_str(), 1);
    }
    ~LargeFolderCopy()
    {
        if (m_previous) {
            ::setenv("PELINOR_DATA_DIR", m_previous->c_str(), 1);
        } else {
            ::unsetenv("PELINOR_DATA_DIR");
        }
    }

private:
    test::TempDirectory m_dir;
    std::optional<std::string> m_previous;
};

// A day of twelve items, like the shipped set meals.
SetMeal fullDay(const std::string& title)
{
    SetMeal setMeal { std::nullopt, title, "小班；中班", {} };
    for (const char* meal : { "早餐", "早点", "午餐", "午点", "晚餐" }) {
        for (int i = 0; i < 2; ++i) {
            setMeal.items.push_back({ meal, "青菜肉丝面", "106.00", "是",
                "生姜:1g；酱油:2g；大豆油:3g；小白菜:30g；猪里脊:20g；鸡蛋面:50g；" });
        }
    }
    setMeal.items.push_back({ "早点", "牛奶", "200.00", "否", "牛奶:200g；" });
    setMeal.items.push_back({ "午点", "苹果", "100.00", "否", "苹果:100g；" });
    return setMeal;
}

// Saving a stored set meal from the set-meal page: its items are replaced.
void BM_SaveSetMeal(benchmark::State& state)
{
    LargeFolderCopy folder;
    SetMeal setMeal = fullDay("基准套餐");
    const auto first = saveSetMeal(setMeal);
    if (!first.ok()) {
        throw std::runtime_error(first.message());
    }
    setMeal.id = first->id;
    for (auto _ : state) {
        const auto saved = saveSetMeal(setMeal);
        benchmark::DoNotOptimize(saved.ok());
    }
}
BENCHMARK(BM_SaveSetMeal)->Unit(benchmark::kMillisecond);

// Deleting the first set meal, so that every other one and all their items are renumbered. A new
// set meal is saved (untimed) before each delete, so the folder keeps its size.
void BM_DeleteSetMeal(benchmark::State& state)
{
    LargeFolderCopy folder;
    for (auto _ : state) {
        state.PauseTiming();
        saveSetMeal(fullDay("基准套餐"));
        state.ResumeTiming();
        benchmark::DoNotOptimize(deleteSetMeal(0));
    }
}
BENCHMARK(BM_DeleteSetMeal)->Unit(benchmark::kMillisecond);

} // namespace
