#pragma once

#include <QString>
#include <vector>

namespace pelinor {

// One line of a chart's legend: a data group and its text.
struct CGraphLegendSet
{
    int group = 0;
    QString text;
};

// The legend of a chart: a colour swatch and a text per data group, in group order.
class CGraphLegend
{
public:
    // Sets the text of `group`, replacing one set before.
    void setText(int group, const QString& text);
    // The texts in group order.
    const std::vector<CGraphLegendSet>& entries() const
    {
        return m_entries;
    }
    bool isEmpty() const
    {
        return m_entries.empty();
    }

private:
    std::vector<CGraphLegendSet> m_entries;
};

} // namespace pelinor
