#include "library/CCookMageDlg.h"

#include "library/CCookAddDlg.h"
#include "library/CCookCAddDlg.h"
#include "library/CCookCEditDlg.h"
#include "library/CCookEditDlg.h"
#include "library/DishCategories.h"
#include "library/Dishes.h"
#include "library/LibraryScreens.h"
#include "widgets/CListCtrlCl.h"
#include "widgets/CPictureButton.h"
#include "widgets/DatabaseError.h"
#include "widgets/Prompter.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace pelinor {

namespace {

const QString kTreeRoot = QStringLiteral("菜谱类别");
constexpr int kTreeWidth = 170;
constexpr int kIdColumn = 3;

} // namespace

CCookMageDlg::CCookMageDlg(QWidget* parent)
    : CSkinPage(parent)
    , m_tree(new QTreeWidget(this))
    , m_list(new CListCtrlCl(this))
    , m_search(new QLineEdit(this))
    , m_filter(QString::fromUtf8(kFirstDishFilter))
{
    setObjectName(QStringLiteral("CCookMageDlg"));
    m_tree->setObjectName(QStringLiteral("categoryTree"));
    m_list->setObjectName(QStringLiteral("dishList"));
    m_search->setObjectName(QStringLiteral("searchEdit"));
    auto* searchButton = new QPushButton(QStringLiteral("搜索"), this);
    searchButton->setObjectName(QStringLiteral("searchButton"));
    setUpCategoryTree(m_tree);
    m_tree->setFixedWidth(kTreeWidth);
    m_search->setMaximumWidth(180);

    m_list->setColumns(
        { QStringLiteral("名称"), QStringLiteral("重量(g)"), QStringLiteral("详情"), QStringLiteral("编号") },
        { 130, 64, 200, 50 });
    m_list->setAlignmentString(QStringLiteral("0101"));
    m_list->setSkinnedRowHeight();
    QHeaderView* header = m_list->horizontalHeader();
    header->setStretchLastSection(false);
    // The ingredient summary takes whatever width the other columns leave.
    header->setSectionResizeMode(2, QHeaderView::Stretch);

    auto* addCategory = libraryButton(LibraryAction::Add, QStringLiteral("添加类别"), this);
    auto* editCategory = libraryButton(LibraryAction::Edit, QStringLiteral("编辑类别"), this);
    auto* deleteCategory = libraryButton(LibraryAction::Delete, QStringLiteral("删除类别"), this);
    auto* addDish = libraryButton(LibraryAction::Add, QStringLiteral("添加菜谱"), this);
    auto* editDish = libraryButton(LibraryAction::Edit, QStringLiteral("编辑菜谱"), this);
    auto* deleteDish = libraryButton(LibraryAction::Delete, QStringLiteral("删除菜谱"), this);
    addCategory->setObjectName(QStringLiteral("addCategoryButton"));
    editCategory->setObjectName(QStringLiteral("editCategoryButton"));
    deleteCategory->setObjectName(QStringLiteral("deleteCategoryButton"));
    addDish->setObjectName(QStringLiteral("addDishButton"));
    editDish->setObjectName(QStringLiteral("editDishButton"));
    deleteDish->setObjectName(QStringLiteral("deleteDishButton"));

    auto* categoryButtons = new QHBoxLayout;
    categoryButtons->addWidget(addCategory);
    categoryButtons->addWidget(editCategory);
    categoryButtons->addWidget(deleteCategory);
    categoryButtons->addStretch(1);
    auto* left = new QVBoxLayout;
    left->addLayout(categoryButtons);
    left->addWidget(m_tree, 1);

    auto* dishButtons = new QHBoxLayout;
    dishButtons->addWidget(addDish);
    dishButtons->addWidget(editDish);
    dishButtons->addWidget(deleteDish);
    dishButtons->addStretch(1);
    dishButtons->addWidget(m_search);
    dishButtons->addWidget(searchButton);
    auto* right = new QVBoxLayout;
    right->addLayout(dishButtons);
    right->addWidget(m_list, 1);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(8);
    layout->addLayout(left);
    layout->addLayout(right, 1);

    connect(addCategory, &QAbstractButton::clicked, this, &CCookMageDlg::onAddCategory);
    connect(editCategory, &QAbstractButton::clicked, this, &CCookMageDlg::onEditCategory);
    connect(deleteCategory, &QAbstractButton::clicked, this, &CCookMageDlg::onDeleteCategory);
    connect(addDish, &QAbstractButton::clicked, this, &CCookMageDlg::onAddDish);
    connect(editDish, &QAbstractButton::clicked, this, &CCookMageDlg::onEditDish);
    connect(deleteDish, &QAbstractButton::clicked, this, &CCookMageDlg::onDeleteDish);
    connect(searchButton, &QPushButton::clicked, this, &CCookMageDlg::onSearch);
    connect(m_search, &QLineEdit::returnPressed, this, &CCookMageDlg::onSearch);
    connect(m_list, &QTableWidget::cellDoubleClicked, this, [this] { onEditDish(); });
    connect(m_tree, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) { setFilter(item->text(0)); });

    refresh();
}

void CCookMageDlg::refresh()
{
    rebuildTree();
    refill();
}

QTreeWidget* CCookMageDlg::categoryTree() const
{
    return m_tree;
}

CListCtrlCl* CCookMageDlg::dishList() const
{
    return m_list;
}

QLineEdit* CCookMageDlg::searchEdit() const
{
    return m_search;
}

QString CCookMageDlg::filter() const
{
    return m_filter;
}

void CCookMageDlg::setFilter(const QString& filter)
{
    m_filter = filter;
    refill();
}

void CCookMageDlg::rebuildTree()
{
    runDatabaseWork([&] { fillCategoryTree(m_tree, kTreeRoot, dishCategoryTree()); });
}

void CCookMageDlg::refill()
{
    runDatabaseWork([&] {
        const auto rows = listDishes(ss(m_filter));
        m_list->clearRows();
        for (const auto& row : rows) {
            m_list->appendRow({ qs(row.name), qs(row.weight), qs(row.foods), qs(row.id) });
        }
    });
}

QTreeWidgetItem* CCookMageDlg::selectedCategoryItem() const
{
    QTreeWidgetItem* item = m_tree->currentItem();
    if (!item || !item->isSelected() || item == m_tree->topLevelItem(0)) {
        return nullptr;
    }
    return item;
}

void CCookMageDlg::onAddCategory()
{
    CCookCAddDlg dialog(this);
    if (dialog.exec() == QDialog::Accepted) {
        rebuildTree();
    }
}

void CCookMageDlg::onEditCategory()
{
    QTreeWidgetItem* item = selectedCategoryItem();
    if (!item) {
        prompter().info(QStringLiteral("请选择要修改项"), QString::fromUtf8(kSystemPromptCaption));
        return;
    }
    CCookCEditDlg dialog(item->text(0), item->parent()->text(0), this);
    if (!dialog.isLoaded()) {
        prompter().info(QStringLiteral("请选择要修改项"), QString::fromUtf8(kSystemPromptCaption));
        return;
    }
    if (dialog.exec() == QDialog::Accepted) {
        rebuildTree();
    }
}

void CCookMageDlg::onDeleteCategory()
{
    QTreeWidgetItem* item = selectedCategoryItem();
    if (!item) {
        prompter().info(QStringLiteral("请选择菜谱类别"), QString::fromUtf8(kSystemPromptCaption));
        return;
    }
    const std::string name = ss(item->text(0));
    LibraryOutcome check;
    if (!runDatabaseWork([&] { check = checkDishCategoryDeletion(name, ss(item->parent()->text(0))); })) {
        return;
    }
    if (!check.done()) {
        showRefusal(check);
        return;
    }
    if (!prompter().confirm(QStringLiteral("您确定要删除？"), QString::fromUtf8(kSystemPromptCaption))) {
        return;
    }
    runDatabaseWork([&] { deleteDishCategory(check.id, name); });
    rebuildTree();
}

void CCookMageDlg::onAddDish()
{
    CCookAddDlg dialog(this);
    if (dialog.exec() == QDialog::Accepted) {
        setFilter(dialog.categoryEdit()->text());
    }
}

void CCookMageDlg::onEditDish()
{
    const int row = m_list->selectedRow();
    if (row < 0) {
        return;
    }
    CCookEditDlg dialog(m_list->itemText(row, kIdColumn), this);
    if (!dialog.isLoaded()) {
        return;
    }
    if (dialog.exec() == QDialog::Accepted) {
        refill();
    }
}

void CCookMageDlg::onDeleteDish()
{
    const int row = m_list->selectedRow();
    if (row < 0) {
        return;
    }
    if (!prompter().confirm(QStringLiteral("确定要删除吗？"), QString::fromUtf8(kSystemPromptCaption))) {
        return;
    }
    // The row's own identifier, so that of two dishes with one name the selected one goes.
    const int cookId = m_list->itemText(row, kIdColumn).toInt();
    runDatabaseWork([&] { deleteDish(cookId); });
    refill();
}

void CCookMageDlg::onSearch()
{
    setFilter(m_search->text());
}

} // namespace pelinor
