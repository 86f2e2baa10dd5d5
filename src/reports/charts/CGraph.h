#pragma once

#include "reports/charts/CGraphLegend.h"
#include "reports/charts/CGraphSeries.h"

#include <QColor>
#include <QRect>
#include <QString>
#include <vector>

class QPainter;

namespace pelinor {

// A chart: its data (series of data sets), colours and legend, and how it is drawn. It paints on
// any QPainter, so the analysis pages, a picture and a test all draw the same chart; the geometry
// it paints by is in ChartGeometry.h.
class CGraph
{
public:
    // The kinds of chart the program builds.
    static constexpr int kBarChart = 0;
    static constexpr int kPieChart = 32;

    explicit CGraph(int type);

    int type() const
    {
        return m_type;
    }

    void setTitle(const QString& title);
    const QString& title() const
    {
        return m_title;
    }
    void setXAxisLabel(const QString& label);
    void setYAxisLabel(const QString& label);
    const QString& xAxisLabel() const
    {
        return m_xAxisLabel;
    }
    const QString& yAxisLabel() const
    {
        return m_yAxisLabel;
    }

    // The value range of the y axis and the tick labels: one every `step` from the minimum.
    void setYRange(int minimum, int maximum);
    void setTicks(int step, int count);
    int yMinimum() const
    {
        return m_yMinimum;
    }
    int yMaximum() const
    {
        return m_yMaximum;
    }
    int tickStep() const
    {
        return m_tickStep;
    }
    int tickCount() const
    {
        return m_tickCount;
    }

    // Font sizes in points: title, axis labels, tick and category labels.
    void setFontSizes(int title, int axisLabel, int tickLabel);
    int titleFontSize() const
    {
        return m_titleFontSize;
    }
    int axisFontSize() const
    {
        return m_axisFontSize;
    }
    int tickFontSize() const
    {
        return m_tickFontSize;
    }

    void addSeries(const CGraphSeries& series);
    const std::vector<CGraphSeries>& series() const
    {
        return m_series;
    }
    // Replaces the value of `group` in series `index` (nothing happens for a series it lacks).
    void setValue(int index, int group, int value);
    // The highest number of data sets in any series.
    int largestGroupCount() const
    {
        return m_largestGroupCount;
    }

    void setColor(int group, const QColor& colour);
    // The colour of a data group: the colour list's entry at the group's position, black when the
    // list has no such entry.
    QColor colorOf(int group) const;

    void setLegendText(int group, const QString& text);
    const CGraphLegend& legend() const
    {
        return m_legend;
    }

    // The depth of a pie's rim relative to its radius.
    double depthRatio() const
    {
        return m_depthRatio;
    }

    // Paints the chart into `area` of the painter's device.
    void draw(QPainter& painter, const QRect& area) const;

private:
    void drawBars(QPainter& painter, const QRect& plot) const;
    void drawPie(QPainter& painter, const QRect& plot) const;

    int m_type;
    QString m_title;
    QString m_xAxisLabel;
    QString m_yAxisLabel;
    int m_yMinimum = 0;
    int m_yMaximum = 100;
    int m_tickStep = 10;
    int m_tickCount = 10;
    int m_titleFontSize = 12;
    int m_axisFontSize = 12;
    int m_tickFontSize = 12;
    std::vector<CGraphSeries> m_series;
    std::vector<CGraphDataColor> m_colours;
    CGraphLegend m_legend;
    int m_largestGroupCount = 0;
    double m_depthRatio = 0.05;
};

} // namespace pelinor
