#include "gui/analysis/AnalysisPageParts.h"

#include "gui/widgets/CListCtrlCl.h"

#include <QLabel>
#include <QPlainTextEdit>

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
