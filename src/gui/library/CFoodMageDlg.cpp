#include "library/CFoodMageDlg.h"

#include "library/CFoodAddDlg.h"
#include "library/CFoodCAddDlg.h"
#include "library/CFoodCEditDlg.h"
#include "library/CFoodEditDlg.h"
#include "library/FoodCatalog.h"
#include "library/FoodCategories.h"
#include "library/LibraryScreens.h"
#include "widgets/CListCtrlCl.h"
#include "widgets/CPictureButton.h"
#include "widgets/DatabaseError.h"
#include "widgets/Prompter.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace pelinor {

namespace {

const QString kTreeRoot = QStringLiteral("原料类别");
constexpr int kTreeWidth = 170;

} // namespace

CFoodMageDlg::CFoodMageDlg(QWidget* parent)
    : CSkinPage(parent)
    , m_tree(new QTreeWidget(this))
    , m_list(new CListCtrlCl(this))
    , m_search(new QLineEdit(this))
    , m_searchButton(new QPushButton(QStringLiteral("搜索"), this))
{
    setObjectName(QStringLiteral("CFoodMageDlg"));
    m_tree->setObjectName(QStringLiteral("categoryTree"));
    m_list->setObjectName(QStringLiteral("foodList"));
    m_search->setObjectName(QStringLiteral("searchEdit"));
    m_searchButton->setObjectName(QStringLiteral("searchButton"));
    setUpCategoryTree(m_tree);
    setUpFoodList(m_list);
    m_tree->setFixedWidth(kTreeWidth);
    m_search->setMaximumWidth(180);

    auto* addCategory = libraryButton(LibraryAction::Add, QStringLiteral("添加类别"), this);
    auto* editCategory = libraryButton(LibraryAction::Edit, QStringLiteral("编辑类别"), this);
    auto* deleteCategory = libraryButton(LibraryAction::Delete, QStringLiteral("删除类别"), this);
    auto* addFood = libraryButton(LibraryAction::Add, QStringLiteral("添加原料"), this);
    auto* editFood = libraryButton(LibraryAction::Edit, QStringLiteral("编辑原料"), this);
    auto* deleteFood = libraryButton(LibraryAction::Delete, QStringLiteral("删除原料"), this);
    addCategory->setObjectName(QStringLiteral("addCategoryButton"));
    editCategory->setObjectName(QStringLiteral("editCategoryButton"));
    deleteCategory->setObjectName(QStringLiteral("deleteCategoryButton"));
    addFood->setObjectName(QStringLiteral("addFoodButton"));
    editFood->setObjectName(QStringLiteral("editFoodButton"));
    deleteFood->setObjectName(QStringLiteral("deleteFoodButton"));

    auto* categoryButtons = new QHBoxLayout;
    categoryButtons->addWidget(addCategory);
    categoryButtons->addWidget(editCategory);
    categoryButtons->addWidget(deleteCategory);
    categoryButtons->addStretch(1);
    auto* left = new QVBoxLayout;
    left->addLayout(categoryButtons);
    left->addWidget(m_tree, 1);

    auto* foodButtons = new QHBoxLayout;
    foodButtons->addWidget(addFood);
    foodButtons->addWidget(editFood);
    foodButtons->addWidget(deleteFood);
    foodButtons->addStretch(1);
    foodButtons->addWidget(m_search);
    foodButtons->addWidget(m_searchButton);
    auto* right = new QVBoxLayout;
    right->addLayout(foodButtons);
    right->addWidget(m_list, 1);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(8);
    layout->addLayout(left);
    layout->addLayout(right, 1);

    connect(addCategory, &QAbstractButton::clicked, this, &CFoodMageDlg::onAddCategory);
    connect(editCategory, &QAbstractButton::clicked, this, &CFoodMageDlg::onEditCategory);
    connect(deleteCategory, &QAbstractButton::clicked, this, &CFoodMageDlg::onDeleteCategory);
    connect(addFood, &QAbstractButton::clicked, this, &CFoodMageDlg::onAddFood);
    connect(editFood, &QAbstractButton::clicked, this, &CFoodMageDlg::onEditFood);
    connect(deleteFood, &QAbstractButton::clicked, this, &CFoodMageDlg::onDeleteFood);
    connect(m_searchButton, &QPushButton::clicked, this, &CFoodMageDlg::onSearch);
    connect(m_search, &QLineEdit::returnPressed, this, &CFoodMageDlg::onSearch);
    connect(m_list, &QTableWidget::cellDoubleClicked, this, [this] { onEditFood(); });
    connect(m_tree, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        if (categoryParentIdOf(item) > 0) {
            listSubCategory(categoryIdOf(item));
        }
    });

    refresh();
}

void CFoodMageDlg::refresh()
{
    rebuildTree();
    reloadList();
}

QTreeWidget* CFoodMageDlg::categoryTree() const
{
    return m_tree;
}

CListCtrlCl* CFoodMageDlg::foodList() const
{
    return m_list;
}

QLineEdit* CFoodMageDlg::searchEdit() const
{
    return m_search;
}

void CFoodMageDlg::rebuildTree()
{
    runDatabaseWork([&] { fillCategoryTree(m_tree, kTreeRoot, foodCategoryTree()); });
}

void CFoodMageDlg::reloadList()
{
    runDatabaseWork([&] {
        switch (m_listing) {
        case Listing::FirstCategory:
            fillFoodList(m_list, foodsOfFirstCategory());
            break;
        case Listing::SubCategory:
            fillFoodList(m_list, foodsOfSubCategory(m_listedCategory));
            break;
        case Listing::Search:
            fillFoodList(m_list, searchFoods(ss(m_searchedText)));
            break;
        }
    });
}

void CFoodMageDlg::listSubCategory(int subCategoryId)
{
    m_listing = Listing::SubCategory;
    m_listedCategory = subCategoryId;
    reloadList();
}

QTreeWidgetItem* CFoodMageDlg::selectedCategoryItem() const
{
    QTreeWidgetItem* item = m_tree->currentItem();
    if (!item || !item->isSelected() || item == m_tree->topLevelItem(0)) {
        return nullptr;
    }
    return item;
}

void CFoodMageDlg::onAddCategory()
{
    CFoodCAddDlg dialog(this);
    if (dialog.exec() == QDialog::Accepted) {
        rebuildTree();
    }
}

void CFoodMageDlg::onEditCategory()
{
    QTreeWidgetItem* item = selectedCategoryItem();
    if (!item) {
        prompter().info(QStringLiteral("请选择要修改项"), QString::fromUtf8(kSystemPromptCaption));
        return;
    }
    CFoodCEditDlg dialog(item->text(0), item->parent()->text(0), this);
    if (!dialog.isLoaded()) {
        prompter().info(QStringLiteral("请选择要修改项"), QString::fromUtf8(kSystemPromptCaption));
        return;
    }
    if (dialog.exec() == QDialog::Accepted) {
        rebuildTree();
    }
}

void CFoodMageDlg::onDeleteCategory()
{
    QTreeWidgetItem* item = selectedCategoryItem();
    if (!item) {
        prompter().info(QStringLiteral("请选择原料类别"), QString::fromUtf8(kSystemPromptCaption));
        return;
    }
    const std::string name = ss(item->text(0));
    LibraryOutcome check;
    if (!runDatabaseWork([&] { check = checkFoodCategoryDeletion(name, ss(item->parent()->text(0))); })) {
        return;
    }
    if (!check.done()) {
        showRefusal(check);
        return;
    }
    if (!prompter().confirm(QStringLiteral("您确定要删除？"), QString::fromUtf8(kSystemPromptCaption))) {
        return;
    }
    runDatabaseWork([&] { deleteFoodCategory(check.id, name); });
    rebuildTree();
}

void CFoodMageDlg::onAddFood()
{
    CFoodAddDlg dialog(this);
    if (dialog.exec() == QDialog::Accepted) {
        listSubCategory(dialog.savedSubCategory());
    }
}

void CFoodMageDlg::onEditFood()
{
    const int row = m_list->selectedRow();
    if (row < 0) {
        return;
    }
    CFoodEditDlg dialog(m_list->itemText(row, 0), this);
    if (!dialog.isLoaded()) {
        return;
    }
    if (dialog.exec() == QDialog::Accepted) {
        listSubCategory(dialog.savedSubCategory());
    }
}

void CFoodMageDlg::onDeleteFood()
{
    const int row = m_list->selectedRow();
    if (row < 0) {
        return;
    }
    if (!prompter().confirm(QStringLiteral("确定要删除吗？"), QString::fromUtf8(kSystemPromptCaption))) {
        return;
    }
    LibraryOutcome outcome;
    if (!runDatabaseWork([&] { outcome = deleteFood(ss(m_list->itemText(row, 0))); })) {
        return;
    }
    if (!outcome.done()) {
        showRefusal(outcome);
        return;
    }
    if (outcome.id > 0) {
        listSubCategory(outcome.id);
    } else {
        reloadList();
    }
}

void CFoodMageDlg::onSearch()
{
    m_listing = Listing::Search;
    m_searchedText = m_search->text();
    reloadList();
    m_search->clear();
}

} // namespace pelinor
