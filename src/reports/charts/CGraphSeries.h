#pragma once

#include <QColor>
#include <QString>
#include <vector>

namespace pelinor {

// One value of a chart: the data group it belongs to (the bar's place within its category, or the
// pie's slice) and the value itself.
struct CGraphDataSet
{
    int group = 0;
    int value = 0;
};

// One category of a bar chart (its label is written under its bars) or the one series of a pie
// (its label is the pie's caption).
struct CGraphSeries
{
    QString label;
    std::vector<CGraphDataSet> data;

    // The value of `group`, 0 when the series has none.
    int valueOf(int group) const
    {
        for (const CGraphDataSet& set : data) {
            if (set.group == group) {
                return set.value;
            }
        }
        return 0;
    }
};

// The colour of a data group.
struct CGraphDataColor
{
    int group = 0;
    QColor colour;
};

} // namespace pelinor
