#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

class QTreeWidget;
class QTreeWidgetItem;

namespace pelinor {

class CListCtrlCl;
struct FoodListRow;

// The food page of the item chooser: the food category tree and the foods of the first category
// at first, of a double-clicked category later.
class CPFoodSelDlg : public QWidget
{
    Q_OBJECT

public:
    explicit CPFoodSelDlg(QWidget* parent = nullptr);

    QTreeWidget* categoryTree() const;
    CListCtrlCl* foodList() const;

    // Lists every food whose name contains the text (the chooser's search).
    void search(const QString& text);
    // The selected food's name; empty when none is selected.
    QString selectedFoodName() const;

public slots:
    // A category is listed by the number its tree item carries (names repeat under different parents);
    // a top-level category lists all its foods.
    void onCategoryDoubleClicked(QTreeWidgetItem* item);
    // Opens the food dialog for the food of that row and lists the same foods again after OK.
    void onFoodDoubleClicked(int row);

private:
    void showFoods(std::function<std::vector<FoodListRow>()> rows);

    QTreeWidget* m_tree;
    CListCtrlCl* m_list;
    std::function<std::vector<FoodListRow>()> m_shown;
};

} // namespace pelinor
