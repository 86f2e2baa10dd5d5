#include "reports/charts/ChartGeometry.h"

#include "reports/charts/CGraph.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace pelinor {

namespace {

// The gaps between the parts of a chart, in pixels.
constexpr int kEdgeGap = 10;
constexpr int kSmallGap = 5;
constexpr int kTitleGap = 10;
constexpr int kLegendGap = 20;
// The room kept above the axis maximum.
constexpr int kHeadroom = 10;
constexpr int kLabelOffset = 5;

int total(const std::vector<int>& values)
{
    std::int64_t sum = 0;
    for (const int value : values) {
        sum += std::max(value, 0);
    }
    return static_cast<int>(std::min<std::int64_t>(sum, INT32_MAX));
}

} // namespace

QRect plotArea(const QRect& area, const ChartFrame& frame)
{
    const int left = area.x() + kEdgeGap + (frame.yLabelWidth > 0 ? frame.yLabelWidth + kSmallGap : 0)
        + (frame.tickLabelWidth > 0 ? frame.tickLabelWidth + kSmallGap : 0);
    const int top = area.y() + kEdgeGap + (frame.titleHeight > 0 ? frame.titleHeight + kTitleGap : 0);
    const int right = area.x() + area.width() - kEdgeGap - (frame.legendWidth > 0 ? frame.legendWidth + kLegendGap : 0);
    const int bottom = area.y() + area.height() - kEdgeGap
        - (frame.categoryLabelHeight > 0 ? frame.categoryLabelHeight + kSmallGap : 0)
        - (frame.xLabelHeight > 0 ? frame.xLabelHeight + kSmallGap : 0);
    return QRect(left, top, std::max(0, right - left), std::max(0, bottom - top));
}

int barSlotWidth(int plotWidth, int seriesCount)
{
    return seriesCount > 0 ? std::max(0, plotWidth) / seriesCount : 0;
}

int barWidth(int slotWidth, int largestGroupCount)
{
    return largestGroupCount > 0 ? static_cast<int>(slotWidth * 0.6 / largestGroupCount) : 0;
}

int barHeight(int value, int yMinimum, int yMaximum, int plotHeight)
{
    const int shown = std::max(value, 0);
    if (yMaximum <= yMinimum || shown <= yMinimum || plotHeight <= 0) {
        return 0;
    }
    const std::int64_t usable = std::max(0, plotHeight - kHeadroom);
    const std::int64_t height = (static_cast<std::int64_t>(shown) - yMinimum) * usable / (yMaximum - yMinimum);
    return static_cast<int>(std::min<std::int64_t>(std::max<std::int64_t>(height, 1), plotHeight));
}

std::vector<ChartBar> barRects(const CGraph& graph, const QRect& plot)
{
    std::vector<ChartBar> bars;
    const int count = static_cast<int>(graph.series().size());
    const int slot = barSlotWidth(plot.width(), count);
    const int width = barWidth(slot, graph.largestGroupCount());
    const int cluster = width * graph.largestGroupCount();
    const int base = plot.y() + plot.height();
    for (int s = 0; s < count; ++s) {
        const int left = plot.x() + s * slot + (slot - cluster) / 2;
        for (const CGraphDataSet& set : graph.series()[static_cast<std::size_t>(s)].data) {
            const int height = barHeight(set.value, graph.yMinimum(), graph.yMaximum(), plot.height());
            bars.push_back(
                { s, set.group, height > 0 ? QRect(left + set.group * width, base - height, width, height) : QRect() });
        }
    }
    return bars;
}

int slotCentre(const QRect& plot, int seriesCount, int series)
{
    const int slot = barSlotWidth(plot.width(), seriesCount);
    return plot.x() + series * slot + slot / 2;
}

std::vector<ChartTick> yTicks(const CGraph& graph, const QRect& plot)
{
    std::vector<ChartTick> ticks;
    const int minimum = graph.yMinimum();
    const int maximum = graph.yMaximum();
    const int base = plot.y() + plot.height();
    if (maximum <= minimum) {
        ticks.push_back({ minimum, base, QString::number(minimum) });
        return ticks;
    }
    int step = graph.tickStep();
    if (step <= 0) {
        step = std::max(1, (maximum - minimum) / std::max(1, graph.tickCount()));
    }
    const std::int64_t usable = std::max(0, plot.height() - kHeadroom);
    for (std::int64_t value = minimum; value <= maximum; value += step) {
        const int y = base - static_cast<int>((value - minimum) * usable / (maximum - minimum));
        ticks.push_back({ static_cast<int>(value), y, QString::number(value) });
    }
    return ticks;
}

std::vector<int> pieSweeps(const std::vector<int>& values)
{
    const int sum = total(values);
    std::vector<int> sweeps;
    for (const int value : values) {
        sweeps.push_back(sum > 0 ? static_cast<int>(static_cast<std::int64_t>(std::max(value, 0)) * 360 / sum) : 0);
    }
    return sweeps;
}

QString piePercentText(int value, int total)
{
    const int percent = total > 0 ? static_cast<int>(static_cast<std::int64_t>(std::max(value, 0)) * 100 / total) : 0;
    return QString::number(percent) + QLatin1Char('%');
}

std::vector<CGraphPieLabel> pieLabels(const std::vector<int>& values, const QRect& pie)
{
    std::vector<CGraphPieLabel> labels;
    const int sum = total(values);
    const std::vector<int> sweeps = pieSweeps(values);
    const double radius = pie.width() / 2.0;
    const double centreX = pie.x() + radius;
    const double centreY = pie.y() + pie.height() / 2.0;
    int start = 0;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const int sweep = sweeps[i];
        if (sweep > 0) {
            const double middle = (start + sweep / 2.0) * kRadiansPerDegree;
            const double cosine = std::cos(middle);
            const double sine = std::sin(middle);
            const QPoint anchor(static_cast<int>(std::lround(centreX + (radius + kLabelOffset) * cosine)),
                static_cast<int>(std::lround(centreY - (radius + kLabelOffset) * sine)));
            const Qt::Alignment alignment
                = (cosine >= 0 ? Qt::AlignLeft : Qt::AlignRight) | (sine >= 0 ? Qt::AlignBottom : Qt::AlignTop);
            labels.push_back({ static_cast<int>(i), anchor, alignment, piePercentText(values[i], sum) });
        }
        start += sweep;
    }
    return labels;
}

QRect pieRect(const QRect& plot, double depthRatio)
{
    // The circle and its rim below it fill the plot's height at most: d + d / 2 × ratio.
    const int byHeight = static_cast<int>(plot.height() / (1.0 + depthRatio / 2.0));
    const int diameter = std::max(0, std::min(plot.width(), byHeight));
    const int depth = static_cast<int>(diameter / 2.0 * depthRatio);
    return QRect(plot.x() + (plot.width() - diameter) / 2, plot.y() + (plot.height() - diameter - depth) / 2, diameter,
        diameter);
}

int pieDepth(const QRect& pie, double depthRatio)
{
    return static_cast<int>(pie.width() / 2.0 * depthRatio);
}

QColor rimColour(const QColor& colour)
{
    return QColor(std::max(0, colour.red() - 35), std::max(0, colour.green() - 35), std::max(0, colour.blue() - 35));
}

} // namespace pelinor
