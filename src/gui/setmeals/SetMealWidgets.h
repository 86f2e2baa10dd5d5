#pragma once

#include <QString>

class QComboBox;
class QPushButton;
class QWidget;

namespace pelinor {

class CListCtrlCl;

// Pieces the set-meal screens share.

// The five meal times in their order; the first one chosen.
void fillMealCombo(QComboBox* combo);

// A plain text button with its object name.
QPushButton* textButton(const QString& text, const QString& objectName, QWidget* parent);

// A small button that looks like a link ("添加", "编辑", "删除" under a list).
QPushButton* linkButton(const QString& text, const QString& objectName, QWidget* parent);

// The lists of the chooser's own page and of the dish editor: "原料名称" and "重量(g)".
void setUpFoodWeightList(CListCtrlCl* list);

} // namespace pelinor
