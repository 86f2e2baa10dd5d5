#pragma once

#include <QString>
#include <QWidget>

class QTreeWidget;
class QTreeWidgetItem;

namespace pelinor {

class CListCtrlCl;

// The dish page of the item chooser: the dish category tree and the dishes whose name followed by
// their category contains the filter ("儿童" at first, a double-clicked category's name later).
class CPCookSelDlg : public QWidget
{
    Q_OBJECT

public:
    explicit CPCookSelDlg(QWidget* parent = nullptr);

    QTreeWidget* categoryTree() const;
    CListCtrlCl* dishList() const;
    QString filter() const;

    // Lists the dishes for a filter (the chooser's search uses it too).
    void setFilter(const QString& filter);
    // The selected dish's name; empty when none is selected.
    QString selectedDishName() const;

public slots:
    void onCategoryDoubleClicked(QTreeWidgetItem* item);
    // Opens the dish dialog for the dish of that row; the list follows the saved dish.
    void onDishDoubleClicked(int row);

private:
    QTreeWidget* m_tree;
    CListCtrlCl* m_list;
    QString m_filter;
};

} // namespace pelinor
