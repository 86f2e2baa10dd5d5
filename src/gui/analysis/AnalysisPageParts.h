#pragma once

#include "core/analysis/AnalysisText.h"

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>
#include <string>

class QLabel;
class QPlainTextEdit;
class QWidget;

namespace pelinor {

class CListCtrlCl;

// Pieces the analysis pages share.

// The text colour of a graded cell: black, blue (RGB 0,0,255) or red (RGB 255,0,0).
QColor cellTextColour(CellColour colour);

// A skinned list with grid lines, as every analysis page shows its figures.
CListCtrlCl* analysisList(const QString& objectName, QWidget* parent);

// Column widths that show every header in full (and at least `minimum` pixels).
QList<int> headerWidths(const CListCtrlCl* list, const QStringList& titles, int minimum);

// The caption above a list or a text box ("食物种类对比：").
QLabel* sectionLabel(const QString& text, QWidget* parent);

// A multi-line box for an evaluation text.
QPlainTextEdit* evaluationBox(const QString& objectName, bool readOnly, QWidget* parent);

// UTF-8 texts of core as a row of a list.
template <typename Range> QStringList rowTexts(const Range& texts)
{
    QStringList row;
    for (const auto& text : texts) {
        row.append(QString::fromUtf8(std::string(text)));
    }
    return row;
}

} // namespace pelinor
