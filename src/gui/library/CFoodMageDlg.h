#pragma once

#include "shell/RefreshablePage.h"
#include "widgets/CSkinPage.h"

#include <QString>

class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace pelinor {

class CListCtrlCl;
class CPictureButton;

// The food page: the category tree on the left, the food list on the right, the search, and the
// caption-less add, edit and delete buttons for categories (above the tree) and foods (above the list).
class CFoodMageDlg : public CSkinPage, public RefreshablePage
{
    Q_OBJECT

public:
    explicit CFoodMageDlg(QWidget* parent = nullptr);

    // Rebuilds the tree and reloads what the list showed.
    void refresh() override;

    QTreeWidget* categoryTree() const;
    CListCtrlCl* foodList() const;
    QLineEdit* searchEdit() const;

public slots:
    void onAddCategory();
    void onEditCategory();
    void onDeleteCategory();
    void onAddFood();
    void onEditFood();
    void onDeleteFood();
    void onSearch();
    // Lists the foods of a second-level category.
    void listSubCategory(int subCategoryId);

private:
    enum class Listing
    {
        FirstCategory,
        SubCategory,
        Search,
    };

    void rebuildTree();
    void reloadList();
    // The selected tree item below the root, or null.
    QTreeWidgetItem* selectedCategoryItem() const;

    QTreeWidget* m_tree;
    CListCtrlCl* m_list;
    QLineEdit* m_search;
    QPushButton* m_searchButton;
    Listing m_listing = Listing::FirstCategory;
    int m_listedCategory = 0;
    QString m_searchedText;
};

} // namespace pelinor
