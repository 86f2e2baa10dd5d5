#include "reports/charts/CGraphLegend.h"

#include <algorithm>

namespace pelinor {

void CGraphLegend::setText(int group, const QString& text)
{
    const auto at = std::find_if(
        m_entries.begin(), m_entries.end(), [group](const CGraphLegendSet& entry) { return entry.group >= group; });
    if (at != m_entries.end() && at->group == group) {
        at->text = text;
    } else {
        m_entries.insert(at, CGraphLegendSet { group, text });
    }
}

} // namespace pelinor
