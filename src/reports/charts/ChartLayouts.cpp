#include "reports/charts/ChartLayouts.h"

#include "core/analysis/DietStructure.h"
#include "core/analysis/EnergySources.h"
#include "core/analysis/MacronutrientRatios.h"

#include <cmath>
#include <limits>

namespace pelinor {

namespace {

const QColor kActualColour(0, 192, 0);
const QColor kReferenceColour(142, 255, 255);

template <std::size_t N>
CGraph barChart(
    const std::array<const char*, N>& categories, const std::array<int, N>& actual, const std::array<int, N>& reference)
{
    CGraph graph(CGraph::kBarChart);
    graph.setTitle(QStringLiteral("柱形图表"));
    graph.setFontSizes(12, 10, 9);
    for (std::size_t i = 0; i < N; ++i) {
        graph.addSeries(CGraphSeries { QString::fromUtf8(categories[i]), { { 0, actual[i] }, { 1, reference[i] } } });
    }
    graph.setColor(0, kActualColour);
    graph.setColor(1, kReferenceColour);
    graph.setLegendText(0, QStringLiteral("实际摄入量"));
    graph.setLegendText(1, QStringLiteral("参考摄入量"));
    return graph;
}

} // namespace

int chartValue(double value)
{
    if (!std::isfinite(value) || std::fabs(value) >= static_cast<double>(std::numeric_limits<int>::max())) {
        return 0;
    }
    return static_cast<int>(value);
}

CGraph foodGroupChart(const std::array<int, 9>& actual, const std::array<int, 9>& reference)
{
    CGraph graph = barChart<9>(
        { "谷薯类", "蔬菜类", "水果类", "禽畜肉类", "蛋类", "鱼虾类", "豆类", "奶类", "油脂" }, actual, reference);
    graph.setXAxisLabel(QStringLiteral("食物类别"));
    graph.setYAxisLabel(QStringLiteral("摄入量"));
    graph.setYRange(0, 400);
    graph.setTicks(100, 4);
    return graph;
}

CGraph mealChart(const std::array<int, 5>& actual, const std::array<int, 5>& reference)
{
    CGraph graph = barChart<5>({ "早餐", "早点", "午餐", "午点", "晚餐" }, actual, reference);
    graph.setYRange(0, 50);
    graph.setTicks(10, 10);
    return graph;
}

CGraph macronutrientChart(const std::array<int, 3>& actual, const std::array<int, 3>& reference)
{
    CGraph graph = barChart<3>({ "碳水化合物", "脂肪", "蛋白质" }, actual, reference);
    graph.setYRange(0, 100);
    graph.setTicks(50, 2);
    return graph;
}

CGraph sourcePie(const std::array<int, 5>& shares)
{
    CGraph graph(CGraph::kPieChart);
    graph.setTitle(QStringLiteral("饼形图表"));
    graph.setFontSizes(12, 10, 9);
    CGraphSeries series { QStringLiteral("24小时"), {} };
    for (int group = 0; group < 5; ++group) {
        series.data.push_back({ group, shares[static_cast<std::size_t>(group)] });
    }
    graph.addSeries(series);
    const char* const legend[] = { "谷薯类", "豆类", "其他植物性食物", "动物性食物", "纯热能食物" };
    const QColor colours[] = { QColor(0, 192, 0), QColor(142, 255, 255), QColor(255, 143, 107), QColor(255, 51, 153),
        QColor(199, 177, 255) };
    for (int group = 0; group < 5; ++group) {
        graph.setColor(group, colours[group]);
        graph.setLegendText(group, QString::fromUtf8(legend[group]));
    }
    return graph;
}

CGraph foodGroupChart(const DietStructure& diet)
{
    std::array<int, 9> actual {};
    std::array<int, 9> reference {};
    for (std::size_t g = 0; g < 9; ++g) {
        actual[g] = chartValue(diet.groups[g].actual);
        reference[g] = chartValue(diet.groups[g].reference);
    }
    return foodGroupChart(actual, reference);
}

CGraph mealChart(const EnergySources& sources)
{
    std::array<int, 5> actual {};
    std::array<int, 5> reference {};
    for (std::size_t m = 0; m < 5; ++m) {
        actual[m] = sources.meals[m].share;
        reference[m] = sources.meals[m].reference;
    }
    return mealChart(actual, reference);
}

CGraph macronutrientChart(const MacronutrientRatios& ratios)
{
    std::array<int, 3> actual {};
    std::array<int, 3> reference {};
    for (std::size_t i = 0; i < 3; ++i) {
        actual[i] = chartValue(ratios.macronutrients[i].share);
        reference[i] = chartValue(ratios.macronutrients[i].reference);
    }
    return macronutrientChart(actual, reference);
}

CGraph sourcePie(const EnergySources& sources)
{
    std::array<int, 5> shares {};
    for (std::size_t c = 0; c < 5; ++c) {
        shares[c] = sources.sources[c].share;
    }
    return sourcePie(shares);
}

} // namespace pelinor
