#pragma once

#include "core/common/Outcome.h"
#include "core/library/CategoryTree.h"
#include "gui/library/LibraryScreens.h"
#include "gui/navigation/RefreshablePage.h"
#include "gui/widgets/ActionButtons.h"
#include "gui/widgets/CSkinPage.h"

#include <QString>
#include <memory>
#include <string>
#include <vector>

class QAbstractButton;
class QLineEdit;
class QPushButton;
class QSplitter;
class QTreeWidget;
class QTreeWidgetItem;

namespace pelinor {

class CategoryDialogBase;
class CategoryEditDialogBase;
class CListCtrlCl;

// The food and dish pages: the category tree on the left under its caption-less add, edit and
// delete buttons, the list on the right under three more and the search. The category buttons work
// alike on both pages; what the list shows and what its buttons do is each page's own.
class LibraryPageBase : public CSkinPage, public RefreshablePage
{
    Q_OBJECT

public:
    // The category side of a page: its texts, the core functions and the dialogs.
    struct Categories
    {
        QString treeRoot;
        // Shown when delete is pressed without a category.
        QString chooseFirst;
        std::vector<CategoryBranch> (*tree)();
        // A refusal, or the parent identifier the deletion needs.
        Outcome<int> (*checkDeletion)(const std::string& name, const std::string& parentName);
        void (*deletion)(int parentId, const std::string& name);
        std::unique_ptr<CategoryDialogBase> (*addDialog)(QWidget* parent);
        std::unique_ptr<CategoryEditDialogBase> (*editDialog)(
            const QString& name, const QString& parentName, QWidget* parent);
    };

    // Rebuilds the tree and reloads what the list showed.
    void refresh() override;

    QTreeWidget* categoryTree() const;
    // The tree and the list share the page's width through it.
    QSplitter* splitter() const;
    QLineEdit* searchEdit() const;

public slots:
    void onAddCategory();
    void onEditCategory();
    void onDeleteCategory();
    virtual void onSearch() = 0;

protected:
    // `itemCaption` names what the list holds in the tooltips of its buttons ("菜谱": 添加菜谱 ...),
    // `itemObjectName` in their object names ("Dish": addDishButton ...).
    LibraryPageBase(
        const Categories& categories, const QString& itemCaption, const QString& itemObjectName, QWidget* parent);

    CListCtrlCl* list() const;
    // The buttons above the list, for the page to connect.
    QAbstractButton* itemButton(IconAction action) const;
    void rebuildTree();
    virtual void reloadList() = 0;

private:
    // The selected tree item below the root, or null.
    QTreeWidgetItem* selectedCategoryItem() const;
    void fitTreeWidth();

    Categories m_categories;
    QSplitter* m_splitter;
    bool m_treeWidthChosen = false;
    QTreeWidget* m_tree;
    CListCtrlCl* m_list;
    QLineEdit* m_search;
    QPushButton* m_searchButton;
    QAbstractButton* m_addItem;
    QAbstractButton* m_editItem;
    QAbstractButton* m_deleteItem;
};

// The dialog makers of a page's Categories.
template <typename Dialog> std::unique_ptr<CategoryDialogBase> newCategoryAddDialog(QWidget* parent)
{
    return std::make_unique<Dialog>(parent);
}

template <typename Dialog>
std::unique_ptr<CategoryEditDialogBase> newCategoryEditDialog(
    const QString& name, const QString& parentName, QWidget* parent)
{
    return std::make_unique<Dialog>(name, parentName, parent);
}

} // namespace pelinor
