#include "reports/charts/CGraph.h"

#include "reports/ReportFonts.h"
#include "reports/charts/ChartGeometry.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace pelinor {

namespace {

constexpr int kSwatch = 12;
const QColor kGridColour(128, 128, 128);
const QColor kShadingColour(225, 225, 225);

// "Arial" (with the CJK fallbacks, so the Chinese labels render) at `points` on the painter's device.
QFont chartFont(const QPainter& painter, int points, bool bold = false)
{
    const int dpi = painter.device() && painter.device()->logicalDpiY() > 0 ? painter.device()->logicalDpiY() : 96;
    QFont font;
    font.setFamilies(QStringList { QStringLiteral("Arial") } + cjkFallbackFamilies());
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(points * dpi / 72.0))));
    font.setBold(bold);
    return font;
}

int textWidth(const QFont& font, const QPainter& painter, const QString& text)
{
    return QFontMetrics(font, painter.device()).horizontalAdvance(text);
}

int textHeight(const QFont& font, const QPainter& painter)
{
    return QFontMetrics(font, painter.device()).height();
}

} // namespace

CGraph::CGraph(int type)
    : m_type(type)
{
}

void CGraph::setTitle(const QString& title)
{
    m_title = title;
}

void CGraph::setXAxisLabel(const QString& label)
{
    m_xAxisLabel = label;
}

void CGraph::setYAxisLabel(const QString& label)
{
    m_yAxisLabel = label;
}

void CGraph::setYRange(int minimum, int maximum)
{
    m_yMinimum = minimum;
    m_yMaximum = maximum;
}

void CGraph::setTicks(int step, int count)
{
    m_tickStep = step;
    m_tickCount = count;
}

void CGraph::setFontSizes(int title, int axisLabel, int tickLabel)
{
    m_titleFontSize = title;
    m_axisFontSize = axisLabel;
    m_tickFontSize = tickLabel;
}

void CGraph::addSeries(const CGraphSeries& series)
{
    m_series.push_back(series);
    m_largestGroupCount = std::max(m_largestGroupCount, static_cast<int>(series.data.size()));
}

void CGraph::setValue(int index, int group, int value)
{
    if (index < 0 || index >= static_cast<int>(m_series.size())) {
        return;
    }
    for (CGraphDataSet& set : m_series[static_cast<std::size_t>(index)].data) {
        if (set.group == group) {
            set.value = value;
        }
    }
}

void CGraph::setColor(int group, const QColor& colour)
{
    for (CGraphDataColor& entry : m_colours) {
        if (entry.group == group) {
            entry.colour = colour;
            return;
        }
    }
    m_colours.push_back({ group, colour });
}

QColor CGraph::colorOf(int group) const
{
    for (const CGraphDataColor& entry : m_colours) {
        if (entry.group == group) {
            return entry.colour;
        }
    }
    return QColor(0, 0, 0);
}

void CGraph::setLegendText(int group, const QString& text)
{
    m_legend.setText(group, text);
}

void CGraph::draw(QPainter& painter, const QRect& area) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.fillRect(area, Qt::white);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area.adjusted(0, 0, -1, -1));

    const QFont titleFont = chartFont(painter, m_titleFontSize, true);
    const QFont axisFont = chartFont(painter, m_axisFontSize);
    const QFont tickFont = chartFont(painter, m_tickFontSize);
    if (m_type != kBarChart && m_type != kPieChart) {
        painter.setFont(axisFont);
        painter.drawText(area, Qt::AlignCenter, QStringLiteral("No graph type to display"));
        painter.restore();
        return;
    }

    ChartFrame frame;
    frame.titleHeight = m_title.isEmpty() ? 0 : textHeight(titleFont, painter);
    frame.xLabelHeight = m_xAxisLabel.isEmpty() ? 0 : textHeight(axisFont, painter);
    frame.yLabelWidth = m_yAxisLabel.isEmpty() ? 0 : textHeight(axisFont, painter);
    // The labels under the bars; a pie writes its caption into its own margin instead.
    frame.categoryLabelHeight = m_type == kBarChart ? textHeight(tickFont, painter) : 0;
    if (!m_legend.isEmpty()) {
        int widest = 0;
        for (const CGraphLegendSet& entry : m_legend.entries()) {
            widest = std::max(widest, textWidth(tickFont, painter, entry.text));
        }
        frame.legendWidth = kSwatch + 5 + widest;
    }
    if (m_type == kBarChart) {
        int widest = 0;
        for (const QRect probe(0, 0, 100, 100); const ChartTick& tick : yTicks(*this, probe)) {
            widest = std::max(widest, textWidth(tickFont, painter, tick.text));
        }
        frame.tickLabelWidth = widest;
    }
    const QRect plot = plotArea(area, frame);

    if (!m_title.isEmpty()) {
        painter.setFont(titleFont);
        painter.setPen(Qt::black);
        painter.drawText(QRect(area.x(), area.y() + 10, area.width(), frame.titleHeight), Qt::AlignCenter, m_title);
    }
    if (!m_xAxisLabel.isEmpty()) {
        painter.setFont(axisFont);
        painter.drawText(QRect(plot.x(), plot.y() + plot.height() + 5 + frame.categoryLabelHeight + 5, plot.width(),
                             frame.xLabelHeight),
            Qt::AlignCenter, m_xAxisLabel);
    }
    if (!m_yAxisLabel.isEmpty()) {
        painter.save();
        painter.setFont(axisFont);
        painter.translate(area.x() + 10, plot.y() + plot.height() / 2);
        painter.rotate(-90);
        painter.drawText(QRect(-plot.height() / 2, 0, plot.height(), frame.yLabelWidth), Qt::AlignCenter, m_yAxisLabel);
        painter.restore();
    }

    painter.setFont(tickFont);
    if (m_type == kBarChart) {
        drawBars(painter, plot);
    } else {
        drawPie(painter, plot);
    }

    // The legend, right of the plot and centred on it.
    if (!m_legend.isEmpty()) {
        const int line = std::max(kSwatch + 4, textHeight(tickFont, painter));
        const int count = static_cast<int>(m_legend.entries().size());
        int top = plot.y() + (plot.height() - line * count) / 2;
        const int left = plot.x() + plot.width() + 20;
        for (const CGraphLegendSet& entry : m_legend.entries()) {
            painter.setPen(Qt::black);
            painter.setBrush(colorOf(entry.group));
            painter.drawRect(QRect(left, top + (line - kSwatch) / 2, kSwatch, kSwatch));
            painter.drawText(
                QRect(left + kSwatch + 5, top, frame.legendWidth, line), Qt::AlignLeft | Qt::AlignVCenter, entry.text);
            top += line;
        }
    }
    painter.restore();
}

void CGraph::drawBars(QPainter& painter, const QRect& plot) const
{
    const int base = plot.y() + plot.height();
    const std::vector<ChartTick> ticks = yTicks(*this, plot);
    const QFontMetrics metrics(painter.font(), painter.device());
    // Shading half-way between the grid lines, the grid lines and their labels.
    for (std::size_t i = 0; i + 1 < ticks.size(); ++i) {
        const int y = (ticks[i].y + ticks[i + 1].y) / 2;
        painter.setPen(QPen(kShadingColour, 1));
        painter.drawLine(plot.x(), y, plot.x() + plot.width(), y);
    }
    for (const ChartTick& tick : ticks) {
        painter.setPen(QPen(kGridColour, 1));
        painter.drawLine(plot.x(), tick.y, plot.x() + plot.width(), tick.y);
        painter.setPen(Qt::black);
        painter.drawText(QRect(plot.x() - 5 - 200, tick.y - metrics.height() / 2, 200, metrics.height()),
            Qt::AlignRight | Qt::AlignVCenter, tick.text);
    }
    // Nothing may stand above the plot: a value above the maximum stops at its top.
    painter.save();
    painter.setClipRect(plot.adjusted(0, 0, 1, 1));
    for (const ChartBar& bar : barRects(*this, plot)) {
        if (bar.rect.isEmpty()) {
            continue;
        }
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(colorOf(bar.group));
        painter.drawRect(bar.rect);
    }
    painter.restore();
    painter.setPen(QPen(Qt::black, 1));
    painter.drawLine(plot.x(), plot.y(), plot.x(), base);
    painter.drawLine(plot.x(), base, plot.x() + plot.width(), base);

    const int count = static_cast<int>(m_series.size());
    const int slot = barSlotWidth(plot.width(), count);
    for (int s = 0; s < count; ++s) {
        const QString label = metrics.elidedText(m_series[static_cast<std::size_t>(s)].label, Qt::ElideRight, slot);
        painter.drawText(QRect(slotCentre(plot, count, s) - slot / 2, base + 5, slot, metrics.height()),
            Qt::AlignHCenter | Qt::AlignTop, label);
    }
}

void CGraph::drawPie(QPainter& painter, const QRect& plot) const
{
    if (m_series.empty()) {
        return;
    }
    const CGraphSeries& series = m_series.front();
    std::vector<int> values;
    for (const CGraphDataSet& set : series.data) {
        values.push_back(set.value);
    }
    const QFontMetrics metrics(painter.font(), painter.device());
    // Room around the pie for the percentages, and the caption under it.
    const int marginX = metrics.horizontalAdvance(QStringLiteral("100%")) + 8;
    const int marginY = metrics.height() + 4;
    const QRect inner = plot.adjusted(marginX, marginY, -marginX, -marginY - metrics.height());
    const QRect pie = pieRect(inner, m_depthRatio);
    const int depth = pieDepth(pie, m_depthRatio);
    const std::vector<int> sweeps = pieSweeps(values);

    // The rim first, layer by layer from the bottom, then the top of every slice.
    for (int layer = depth; layer >= 1; --layer) {
        int start = 0;
        for (std::size_t i = 0; i < values.size(); ++i) {
            if (sweeps[i] > 0) {
                const QColor rim = rimColour(colorOf(series.data[i].group));
                painter.setPen(QPen(rim, 1));
                painter.setBrush(rim);
                painter.drawPie(pie.translated(0, layer), start * 16, sweeps[i] * 16);
            }
            start += sweeps[i];
        }
    }
    int start = 0;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (sweeps[i] > 0) {
            painter.setPen(QPen(rimColour(colorOf(series.data[i].group)), 1));
            painter.setBrush(colorOf(series.data[i].group));
            painter.drawPie(pie, start * 16, sweeps[i] * 16);
        }
        start += sweeps[i];
    }

    painter.setPen(Qt::black);
    for (const CGraphPieLabel& label : pieLabels(values, pie)) {
        const int width = metrics.horizontalAdvance(label.text);
        const int height = metrics.height();
        const int x = label.alignment & Qt::AlignLeft ? label.anchor.x() : label.anchor.x() - width;
        // A label under the pie's middle clears the rim.
        const int y = label.alignment & Qt::AlignTop ? label.anchor.y() + depth : label.anchor.y() - height;
        painter.drawText(QRect(x, y, width, height), Qt::AlignCenter, label.text);
    }
    painter.drawText(QRect(plot.x(), inner.y() + inner.height() + marginY, plot.width(), metrics.height()),
        Qt::AlignHCenter | Qt::AlignTop, series.label);
}

} // namespace pelinor
