#include "gui/analysis/AnalysisPageParts.h"

#include "gui/widgets/CListCtrlCl.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <algorithm>

namespace pelinor {

QColor cellTextColour(CellColour colour)
{
    switch (colour) {
    case CellColour::Blue:
        return QColor(0, 0, 255);
    case CellColour::Red:
        return QColor(255, 0, 0);
    case CellColour::Black:
        break;
    }
    return QColor(0, 0, 0);
}

CListCtrlCl* analysisList(const QString& objectName, QWidget* parent)
{
    auto* list = new CListCtrlCl(parent);
    list->setObjectName(objectName);
    list->setSkinnedRowHeight();
    return list;
}

QList<int> headerWidths(const CListCtrlCl* list, const QStringList& titles, int minimum)
{
    const QFontMetrics metrics(list->horizontalHeader()->font());
    QList<int> widths;
    for (const QString& title : titles) {
        widths.append(std::max(minimum, metrics.horizontalAdvance(title) + 16));
    }
    return widths;
}

QLabel* sectionLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QPlainTextEdit* evaluationBox(const QString& objectName, bool readOnly, QWidget* parent)
{
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(objectName);
    box->setReadOnly(readOnly);
    return box;
}

} // namespace pelinor
