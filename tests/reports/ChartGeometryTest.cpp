#include "reports/charts/ChartGeometry.h"

#include "reports/charts/ChartLayouts.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace pelinor;

namespace {

QStringList texts(const std::vector<CGraphPieLabel>& labels)
{
    QStringList list;
    for (const auto& label : labels) {
        list << label.text;
    }
    return list;
}

} // namespace

TEST(ChartGeometry, PieSweepsAndLabelsTruncateTheirShares)
{
    struct Case
    {
        std::vector<int> values;
        std::vector<int> sweeps;
        QStringList labels;
    };
    const Case cases[] = {
        { { 33, 33, 34, 0, 0 }, { 118, 118, 122, 0, 0 }, { "33%", "33%", "34%" } },
        { { 1, 2 }, { 120, 240 }, { "33%", "66%" } },
        { { 1, 1, 1 }, { 120, 120, 120 }, { "33%", "33%", "33%" } },
        // A negative share counts as 0: it takes no area and has no label.
        { { -10, 30, 10 }, { 0, 270, 90 }, { "75%", "25%" } },
        // Nothing eaten: no slice, no label.
        { { 0, 0, 0, 0, 0 }, { 0, 0, 0, 0, 0 }, {} },
        { {}, {}, {} },
    };
    for (const Case& c : cases) {
        EXPECT_EQ(pieSweeps(c.values), c.sweeps);
        EXPECT_EQ(texts(pieLabels(c.values, QRect(0, 0, 200, 200))), c.labels);
    }
}

TEST(ChartGeometry, PieLabelsStandOutsideTheirSliceOnTheSideOfItsQuadrant)
{
    // A quarter (bisector at 45°) and three quarters (bisector at 225°) of a pie of radius 100
    // centred at (100, 100): the labels sit 105 pixels out on the bisectors.
    const auto labels = pieLabels({ 25, 75 }, QRect(0, 0, 200, 200));
    ASSERT_EQ(labels.size(), 2u);
    EXPECT_EQ(labels[0].slice, 0);
    EXPECT_EQ(labels[0].anchor, QPoint(174, 26));
    EXPECT_EQ(labels[0].alignment, Qt::AlignLeft | Qt::AlignBottom);
    EXPECT_EQ(labels[1].slice, 1);
    EXPECT_EQ(labels[1].anchor, QPoint(26, 174));
    EXPECT_EQ(labels[1].alignment, Qt::AlignRight | Qt::AlignTop);
    // Zero slices before a slice keep their place in the numbering.
    const auto later = pieLabels({ 0, 0, 10 }, QRect(0, 0, 200, 200));
    ASSERT_EQ(later.size(), 1u);
    EXPECT_EQ(later[0].slice, 2);
    EXPECT_EQ(later[0].text, QStringLiteral("100%"));
}

TEST(ChartGeometry, PieCircleLeavesRoomForItsRim)
{
    // 210 / 1.025 = 204.9: a circle of 204 and a rim of 102 × 0.05 = 5.1 → 5 pixels.
    const QRect pie = pieRect(QRect(0, 0, 300, 210), 0.05);
    EXPECT_EQ(pie, QRect(48, 0, 204, 204));
    EXPECT_EQ(pieDepth(pie, 0.05), 5);
    EXPECT_EQ(pieRect(QRect(10, 10, 100, 400), 0.05), QRect(10, 10 + (400 - 100 - 2) / 2, 100, 100));
}

TEST(ChartGeometry, BarHeightsScaleToThePlotLessItsHeadroom)
{
    struct Case
    {
        int value, minimum, maximum, plotHeight, height;
    };
    // Plot 210 pixels high: 200 for the range, 10 kept above it.
    const Case cases[] = {
        { 100, 0, 400, 210, 50 }, { 400, 0, 400, 210, 200 }, { 401, 0, 400, 210, 200 },
        { 1, 0, 400, 210, 1 }, // 0.5 pixel: at least one
        { 0, 0, 400, 210, 0 }, { -5, 0, 400, 210, 0 }, // drawn as 0
        { 500, 0, 400, 210, 210 }, // 250 clipped at the top of the plot
        { 100, 0, 50, 210, 210 }, // a meal of 100 % on the 50 % chart
        { 11, 10, 400, 210, 1 }, { 10, 10, 400, 210, 0 }, { 30, 0, 50, 210, 120 }, { 5, 0, 0, 210, 0 }, // no range
        { 5, 0, 50, 0, 0 }, // no plot
    };
    for (const Case& c : cases) {
        EXPECT_EQ(barHeight(c.value, c.minimum, c.maximum, c.plotHeight), c.height)
            << c.value << " in " << c.minimum << "…" << c.maximum << " on " << c.plotHeight;
    }
}

TEST(ChartGeometry, SlotsAndBarWidthsAreTruncated)
{
    struct Case
    {
        int plotWidth, series, groups, slot, bar;
    };
    const Case cases[] = {
        { 700, 9, 2, 77, 23 }, // 77 × 0.6 / 2 = 23.1
        { 500, 3, 2, 166, 49 }, // 166 × 0.6 / 2 = 49.8
        { 500, 5, 2, 100, 30 },
        { 500, 1, 1, 500, 300 },
        { 100, 0, 2, 0, 0 },
        { 100, 4, 0, 25, 0 },
    };
    for (const Case& c : cases) {
        const int slot = barSlotWidth(c.plotWidth, c.series);
        EXPECT_EQ(slot, c.slot);
        EXPECT_EQ(barWidth(slot, c.groups), c.bar);
    }
}

TEST(ChartGeometry, BarsStandInCentredClustersOnTheAxis)
{
    // Five slots of 100 pixels, bars of 30, clusters of 60 starting 20 pixels into their slot.
    const QRect plot(50, 40, 500, 210);
    const CGraph graph = mealChart({ 100, 10, 30, 0, -4 }, { 20, 10, 30, 10, 30 });
    const std::vector<ChartBar> bars = barRects(graph, plot);
    ASSERT_EQ(bars.size(), 10u);
    struct Expected
    {
        int series, group;
        QRect rect;
    };
    const Expected expected[] = {
        { 0, 0, QRect(70, 40, 30, 210) }, // 100 % clipped at the top of the plot
        { 0, 1, QRect(100, 170, 30, 80) }, // 20 × 200 / 50
        { 1, 0, QRect(170, 210, 30, 40) },
        { 2, 0, QRect(270, 130, 30, 120) },
        { 2, 1, QRect(300, 130, 30, 120) },
        { 3, 0, QRect() }, // 0: no bar
        { 3, 1, QRect(400, 210, 30, 40) },
        { 4, 0, QRect() }, // negative: no bar
        { 4, 1, QRect(500, 130, 30, 120) },
    };
    for (const Expected& e : expected) {
        const auto bar = std::find_if(
            bars.begin(), bars.end(), [&](const ChartBar& b) { return b.series == e.series && b.group == e.group; });
        ASSERT_NE(bar, bars.end());
        EXPECT_EQ(bar->rect, e.rect) << e.series << "/" << e.group;
    }
    EXPECT_EQ(slotCentre(plot, 5, 2), 300);
}

TEST(ChartGeometry, TickLabelsFollowTheStepUpToTheMaximum)
{
    const QRect plot(0, 40, 400, 210); // axis at y 250, 200 pixels for the range
    struct Case
    {
        CGraph graph;
        std::vector<int> values;
        std::vector<int> ys;
    };
    const Case cases[] = {
        { foodGroupChart({}, {}), { 0, 100, 200, 300, 400 }, { 250, 200, 150, 100, 50 } },
        { mealChart({}, {}), { 0, 10, 20, 30, 40, 50 }, { 250, 210, 170, 130, 90, 50 } },
        { macronutrientChart({}, {}), { 0, 50, 100 }, { 250, 150, 50 } },
    };
    for (const Case& c : cases) {
        std::vector<int> values;
        std::vector<int> ys;
        for (const ChartTick& tick : yTicks(c.graph, plot)) {
            values.push_back(tick.value);
            ys.push_back(tick.y);
            EXPECT_EQ(tick.text, QString::number(tick.value));
        }
        EXPECT_EQ(values, c.values);
        EXPECT_EQ(ys, c.ys);
    }
}

TEST(ChartGeometry, PlotAreaLeavesRoomForTitleLabelsAndLegend)
{
    ChartFrame frame;
    EXPECT_EQ(plotArea(QRect(0, 0, 400, 300), frame), QRect(10, 10, 380, 280));
    frame.titleHeight = 16;
    frame.xLabelHeight = 14;
    frame.yLabelWidth = 14;
    frame.tickLabelWidth = 24;
    frame.categoryLabelHeight = 12;
    frame.legendWidth = 80;
    // left 10 + 14 + 5 + 24 + 5 = 58; top 10 + 16 + 10 = 36; right 400 - 10 - 80 - 20 = 290;
    // bottom 300 - 10 - 12 - 5 - 14 - 5 = 254.
    EXPECT_EQ(plotArea(QRect(0, 0, 400, 300), frame), QRect(58, 36, 232, 218));
    // Too small an area gives an empty plot, never a negative one.
    EXPECT_EQ(plotArea(QRect(0, 0, 50, 40), frame).size(), QSize(0, 0));
}

TEST(ChartGeometry, RimsAreDarkenedBy35)
{
    EXPECT_EQ(rimColour(QColor(0, 192, 0)), QColor(0, 157, 0));
    EXPECT_EQ(rimColour(QColor(142, 255, 255)), QColor(107, 220, 220));
    EXPECT_EQ(rimColour(QColor(20, 30, 40)), QColor(0, 0, 5));
}

TEST(ChartLayouts, TheFourChartsCarryTheirTitlesCategoriesAndColours)
{
    struct Case
    {
        CGraph graph;
        int type;
        QString title, xLabel, yLabel;
        int maximum, step;
        QStringList categories;
        QStringList legend;
    };
    const QStringList actualAndReference { "实际摄入量", "参考摄入量" };
    const Case cases[] = {
        { foodGroupChart({}, {}), CGraph::kBarChart, "柱形图表", "食物类别", "摄入量", 400, 100,
            { "谷薯类", "蔬菜类", "水果类", "禽畜肉类", "蛋类", "鱼虾类", "豆类", "奶类", "油脂" },
            actualAndReference },
        { mealChart({}, {}), CGraph::kBarChart, "柱形图表", "", "", 50, 10, { "早餐", "早点", "午餐", "午点", "晚餐" },
            actualAndReference },
        { macronutrientChart({}, {}), CGraph::kBarChart, "柱形图表", "", "", 100, 50,
            { "碳水化合物", "脂肪", "蛋白质" }, actualAndReference },
        { sourcePie(std::array<int, 5> {}), CGraph::kPieChart, "饼形图表", "", "", 100, 10, { "24小时" },
            { "谷薯类", "豆类", "其他植物性食物", "动物性食物", "纯热能食物" } },
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.graph.type(), c.type);
        EXPECT_EQ(c.graph.title(), c.title);
        EXPECT_EQ(c.graph.xAxisLabel(), c.xLabel);
        EXPECT_EQ(c.graph.yAxisLabel(), c.yLabel);
        EXPECT_EQ(c.graph.yMinimum(), 0);
        EXPECT_EQ(c.graph.yMaximum(), c.maximum);
        EXPECT_EQ(c.graph.tickStep(), c.step);
        QStringList categories;
        for (const auto& series : c.graph.series()) {
            categories << series.label;
        }
        EXPECT_EQ(categories, c.categories);
        QStringList legend;
        for (const auto& entry : c.graph.legend().entries()) {
            legend << entry.text;
        }
        EXPECT_EQ(legend, c.legend);
        EXPECT_EQ(c.graph.colorOf(0), QColor(0, 192, 0));
        EXPECT_EQ(c.graph.colorOf(1), QColor(142, 255, 255));
        EXPECT_EQ(c.graph.colorOf(7), QColor(0, 0, 0)); // no colour: black
    }
    const CGraph pie = sourcePie({ 40, 10, 30, 15, 5 });
    EXPECT_EQ(pie.colorOf(2), QColor(255, 143, 107));
    EXPECT_EQ(pie.colorOf(3), QColor(255, 51, 153));
    EXPECT_EQ(pie.colorOf(4), QColor(199, 177, 255));
    ASSERT_EQ(pie.series().size(), 1u);
    EXPECT_EQ(pie.series()[0].valueOf(3), 15);
    EXPECT_EQ(pie.largestGroupCount(), 5);
}

TEST(ChartLayouts, BarChartsShowActualThenReferenceAsWholeNumbers)
{
    const CGraph graph = macronutrientChart({ 58, 27, 14 }, { 65, 30, 20 });
    ASSERT_EQ(graph.series().size(), 3u);
    EXPECT_EQ(graph.series()[1].valueOf(0), 27);
    EXPECT_EQ(graph.series()[1].valueOf(1), 30);
    EXPECT_EQ(graph.largestGroupCount(), 2);
    struct Case
    {
        double value;
        int shown;
    };
    const Case cases[] = { { 99.9, 99 }, { 58.61, 58 }, { -0.5, 0 }, { -3.7, -3 },
        { std::numeric_limits<double>::quiet_NaN(), 0 }, { std::numeric_limits<double>::infinity(), 0 }, { 1e12, 0 } };
    for (const Case& c : cases) {
        EXPECT_EQ(chartValue(c.value), c.shown) << c.value;
    }
}
