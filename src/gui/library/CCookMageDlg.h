#pragma once

#include "shell/RefreshablePage.h"
#include "widgets/CSkinPage.h"

#include <QString>

class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace pelinor {

class CListCtrlCl;

// The dish page: the category tree on the left, the dish list on the right, the search, and the
// caption-less add, edit and delete buttons for categories and dishes. The list always shows the
// dishes whose name followed by their category text contains the page's filter.
class CCookMageDlg : public CSkinPage, public RefreshablePage
{
    Q_OBJECT

public:
    explicit CCookMageDlg(QWidget* parent = nullptr);

    // Rebuilds the tree and refills the list with the current filter.
    void refresh() override;

    QTreeWidget* categoryTree() const;
    CListCtrlCl* dishList() const;
    QLineEdit* searchEdit() const;
    QString filter() const;

public slots:
    void onAddCategory();
    void onEditCategory();
    void onDeleteCategory();
    void onAddDish();
    void onEditDish();
    void onDeleteDish();
    void onSearch();
    void setFilter(const QString& filter);

private:
    void rebuildTree();
    void refill();
    QTreeWidgetItem* selectedCategoryItem() const;

    QTreeWidget* m_tree;
    CListCtrlCl* m_list;
    QLineEdit* m_search;
    QString m_filter;
};

} // namespace pelinor
