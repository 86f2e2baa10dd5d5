#include "gui/analysis/CYypcgyshl.h"

#include "core/analysis/NutrientContent.h"
#include "gui/analysis/AnalysisPageParts.h"
#include "gui/widgets/CListCtrlCl.h"

#include <QVBoxLayout>
#include <algorithm>

namespace pelinor {

CYypcgyshl::CYypcgyshl(QWidget* parent)
    : CSkinPage(parent)
    , m_list(analysisList(QStringLiteral("contentList"), this))
{
    const QStringList titles = rowTexts(kContentHeaders);
    QList<int> widths = headerWidths(m_list, titles, 72);
    widths[1] = std::max(widths[1], 130);
    m_list->setColumns(titles, widths);
    m_list->setAlignmentString(QStringLiteral("01") + QString(kContentColumnCount - 2, QLatin1Char('2')));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_list);
}

void CYypcgyshl::load(const NutrientContent& content)
{
    m_list->clearRows();
    for (const ContentRow& row : content.rows) {
        const int index = m_list->appendRow(rowTexts(row.cells));
        for (int column = 0; column < kContentColumnCount; ++column) {
            const CellColour colour = row.colours[static_cast<std::size_t>(column)];
            if (colour != CellColour::Black) {
                m_list->setCellTextColor(index, column, cellTextColour(colour));
            }
        }
    }
}

} // namespace pelinor
