#pragma once

#include "core/library/CategoryTree.h"
#include "core/library/FoodCatalog.h"

#include <QString>
#include <vector>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

namespace pelinor {

class CListCtrlCl;

// Pieces the food and dish screens share.

// The boxes of the food and dish dialogs: a one-line box, and a text box of a fixed height in
// which Tab moves on instead of typing a tab.
QLineEdit* lineBox(const QString& objectName, QWidget* parent);
QPlainTextEdit* textBox(int height, const QString& objectName, QWidget* parent);

// The category trees of the two pages: a root item with the top-level categories and their
// children below it, 30 pixels per item, the root expanded. Each item keeps its category's
// identifier and parent identifier (root: -1).
void fillCategoryTree(QTreeWidget* tree, const QString& rootText, const std::vector<CategoryBranch>& branches);
void setUpCategoryTree(QTreeWidget* tree);
int categoryIdOf(const QTreeWidgetItem* item);
int categoryParentIdOf(const QTreeWidgetItem* item);

// The food lists: name, energy, protein, fat, carbohydrate, the name column 150 pixels wide and the
// four number columns sharing the rest.
void setUpFoodList(CListCtrlCl* list);
void fillFoodList(CListCtrlCl* list, const std::vector<FoodListRow>& rows);

// Fills a drop-down list with category names, nothing chosen.
void fillCategoryCombo(QComboBox* combo, const std::vector<Category>& categories);

} // namespace pelinor
