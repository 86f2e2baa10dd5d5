#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>
#include <vector>

namespace pelinor {

class CGraph;

// Where the parts of a chart go, as plain functions of its data and its area in pixels, so every
// rule can be checked without painting.

// The space the texts around the plot take, in pixels.
struct ChartFrame
{
    int titleHeight = 0; // 0: no title
    int xLabelHeight = 0; // 0: no x-axis label
    int yLabelWidth = 0; // 0: no y-axis label (it is written upright, so its height is this width)
    int tickLabelWidth = 0; // the widest tick label
    int categoryLabelHeight = 0; // the labels under the bars
    int legendWidth = 0; // 0: no legend
};

// The plot inside `area`, less the frame's texts and gaps of 5 to 20 pixels between the parts.
// Never negative in size.
QRect plotArea(const QRect& area, const ChartFrame& frame);

// Bar charts. A slot is the width of one category: the plot width / the number of series. A bar
// is 0.6 of a slot divided among the largest number of data groups, both truncated.
int barSlotWidth(int plotWidth, int seriesCount);
int barWidth(int slotWidth, int largestGroupCount);
// The pixel height of a bar: (value - minimum) × (plot height - 10) / (maximum - minimum),
// truncated, at least 1 for a value above the minimum, 0 at or below it (a negative value is
// drawn as 0), and never above the plot.
int barHeight(int value, int yMinimum, int yMaximum, int plotHeight);

struct ChartBar
{
    int series = 0;
    int group = 0;
    QRect rect; // empty for a value that draws nothing
};
// Every bar of a bar chart: the bars of one series side by side, their cluster centred in the
// series' slot, standing on the bottom of `plot`.
std::vector<ChartBar> barRects(const CGraph& graph, const QRect& plot);
// The x of the middle of a series' slot, where its label goes.
int slotCentre(const QRect& plot, int seriesCount, int series);

struct ChartTick
{
    int value = 0;
    int y = 0;
    QString text; // "%d"
};
// The y-axis tick labels: one every tick step from the minimum up to the maximum (the tick count
// gives the step when the step is not positive).
std::vector<ChartTick> yTicks(const CGraph& graph, const QRect& plot);

// Pies. Each slice's sweep in whole degrees is value × 360 / total, truncated; the slices follow
// each other from 0 degrees. Negative values count as 0; a total of 0 gives no sweep at all.
std::vector<int> pieSweeps(const std::vector<int>& values);
// "%d%" of value × 100 / total, truncated.
QString piePercentText(int value, int total);

// The label of a slice: its percentage outside the slice, on the side of its quadrant.
struct CGraphPieLabel
{
    int slice = 0;
    QPoint anchor; // 5 pixels outside the rim, on the bisector of the slice
    Qt::Alignment alignment; // how the text stands at the anchor
    QString text;
};
// The labels of the slices that have an area (none for a total of 0).
std::vector<CGraphPieLabel> pieLabels(const std::vector<int>& values, const QRect& pie);

// The pie's circle in the plot (the largest that leaves room for the rim), and the rim's depth.
QRect pieRect(const QRect& plot, double depthRatio);
int pieDepth(const QRect& pie, double depthRatio);
// The rim's colour: 35 darker in each of red, green and blue (not below 0).
QColor rimColour(const QColor& colour);

// Degrees to radians as the charts convert them.
inline constexpr double kRadiansPerDegree = 0.017453277777777776;

} // namespace pelinor
