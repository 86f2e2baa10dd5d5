#include "gui/library/LibraryPageBase.h"

#include "core/common/AppInfo.h"
#include "gui/library/CategoryDialogBase.h"
#include "gui/library/CategoryEditDialogBase.h"
#include "gui/widgets/CListCtrlCl.h"
#include "gui/widgets/CPictureButton.h"
#include "gui/widgets/DatabaseError.h"
#include "gui/widgets/Prompter.h"
#include "gui/widgets/Refusals.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QStyle>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>
#include <algorithm>

namespace pelinor {

namespace {

// The tree's width when the page opens, unless its longest category needs more; the splitter
// beside it lets the user give it more or less.
constexpr int kTreeWidth = 170;
constexpr int kListMinimumWidth = 320;

} // namespace

LibraryPageBase::LibraryPageBase(
    const Categories& categories, const QString& itemCaption, const QString& itemObjectName, QWidget* parent)
    : CSkinPage(parent)
    , m_categories(categories)
    , m_splitter(new QSplitter(Qt::Horizontal, this))
    , m_tree(new QTreeWidget(this))
    , m_list(new CListCtrlCl(this))
    , m_search(new QLineEdit(this))
    , m_searchButton(new QPushButton(QStringLiteral("搜索"), this))
{
    m_tree->setObjectName(QStringLiteral("categoryTree"));
    m_search->setObjectName(QStringLiteral("searchEdit"));
    m_searchButton->setObjectName(QStringLiteral("searchButton"));
    setUpCategoryTree(m_tree);
    m_tree->setMinimumWidth(80);
    m_search->setMaximumWidth(180);

    auto* addCategory = iconButton(IconAction::Add, QStringLiteral("添加类别"), this);
    auto* editCategory = iconButton(IconAction::Edit, QStringLiteral("编辑类别"), this);
    auto* deleteCategory = iconButton(IconAction::Delete, QStringLiteral("删除类别"), this);
    m_addItem = iconButton(IconAction::Add, QStringLiteral("添加") + itemCaption, this);
    m_editItem = iconButton(IconAction::Edit, QStringLiteral("编辑") + itemCaption, this);
    m_deleteItem = iconButton(IconAction::Delete, QStringLiteral("删除") + itemCaption, this);
    addCategory->setObjectName(QStringLiteral("addCategoryButton"));
    editCategory->setObjectName(QStringLiteral("editCategoryButton"));
    deleteCategory->setObjectName(QStringLiteral("deleteCategoryButton"));
    m_addItem->setObjectName(QStringLiteral("add%1Button").arg(itemObjectName));
    m_editItem->setObjectName(QStringLiteral("edit%1Button").arg(itemObjectName));
    m_deleteItem->setObjectName(QStringLiteral("delete%1Button").arg(itemObjectName));

    auto* categoryButtons = new QHBoxLayout;
    categoryButtons->addWidget(addCategory);
    categoryButtons->addWidget(editCategory);
    categoryButtons->addWidget(deleteCategory);
    categoryButtons->addStretch(1);
    auto* leftSide = new QWidget(this);
    auto* left = new QVBoxLayout(leftSide);
    left->setContentsMargins(0, 0, 0, 0);
    left->addLayout(categoryButtons);
    left->addWidget(m_tree, 1);

    auto* itemButtons = new QHBoxLayout;
    itemButtons->addWidget(m_addItem);
    itemButtons->addWidget(m_editItem);
    itemButtons->addWidget(m_deleteItem);
    itemButtons->addStretch(1);
    itemButtons->addWidget(m_search);
    itemButtons->addWidget(m_searchButton);
    auto* rightSide = new QWidget(this);
    auto* right = new QVBoxLayout(rightSide);
    right->setContentsMargins(0, 0, 0, 0);
    right->addLayout(itemButtons);
    right->addWidget(m_list, 1);
    rightSide->setMinimumWidth(kListMinimumWidth);

    m_splitter->setObjectName(QStringLiteral("librarySplitter"));
    m_splitter->setChildrenCollapsible(false);
    m_splitter->addWidget(leftSide);
    m_splitter->addWidget(rightSide);
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setSizes({ kTreeWidth, 1000 });
    connect(m_splitter, &QSplitter::splitterMoved, this, [this] { m_treeWidthChosen = true; });

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(m_splitter);

    connect(addCategory, &QAbstractButton::clicked, this, &LibraryPageBase::onAddCategory);
    connect(editCategory, &QAbstractButton::clicked, this, &LibraryPageBase::onEditCategory);
    connect(deleteCategory, &QAbstractButton::clicked, this, &LibraryPageBase::onDeleteCategory);
    connect(m_searchButton, &QPushButton::clicked, this, &LibraryPageBase::onSearch);
    connect(m_search, &QLineEdit::returnPressed, this, &LibraryPageBase::onSearch);
}

void LibraryPageBase::refresh()
{
    rebuildTree();
    reloadList();
}

QTreeWidget* LibraryPageBase::categoryTree() const
{
    return m_tree;
}

QLineEdit* LibraryPageBase::searchEdit() const
{
    return m_search;
}

CListCtrlCl* LibraryPageBase::list() const
{
    return m_list;
}

QAbstractButton* LibraryPageBase::itemButton(IconAction action) const
{
    switch (action) {
    case IconAction::Add:
        return m_addItem;
    case IconAction::Edit:
        return m_editItem;
    case IconAction::Delete:
        return m_deleteItem;
    }
    return nullptr;
}

void LibraryPageBase::rebuildTree()
{
    runDatabaseWork([&] { fillCategoryTree(m_tree, m_categories.treeRoot, m_categories.tree()); });
    fitTreeWidth();
}

void LibraryPageBase::fitTreeWidth()
{
    // Wide enough for the longest category ("热带及亚热带水果"), until the user moves the splitter.
    if (m_treeWidthChosen) {
        return;
    }
    int needed = 0;
    const QFontMetrics metrics(m_tree->font());
    for (QTreeWidgetItemIterator it(m_tree); *it; ++it) {
        int depth = 1; // the branch mark of the root level
        for (const QTreeWidgetItem* up = (*it)->parent(); up; up = up->parent()) {
            ++depth;
        }
        needed = std::max(needed, depth * m_tree->indentation() + metrics.horizontalAdvance((*it)->text(0)));
    }
    needed += 2 * m_tree->frameWidth() + m_tree->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 12;
    QList<int> sizes = m_splitter->sizes();
    const int total = sizes.value(0) + sizes.value(1);
    const int wanted = std::max(kTreeWidth, needed);
    if (sizes.value(0) < wanted) {
        m_splitter->setSizes({ wanted, std::max(total - wanted, kListMinimumWidth) });
    }
}

QSplitter* LibraryPageBase::splitter() const
{
    return m_splitter;
}

QTreeWidgetItem* LibraryPageBase::selectedCategoryItem() const
{
    QTreeWidgetItem* item = m_tree->currentItem();
    if (!item || !item->isSelected() || item == m_tree->topLevelItem(0)) {
        return nullptr;
    }
    return item;
}

void LibraryPageBase::onAddCategory()
{
    const auto dialog = m_categories.addDialog(this);
    if (dialog->exec() == QDialog::Accepted) {
        rebuildTree();
    }
}

void LibraryPageBase::onEditCategory()
{
    QTreeWidgetItem* item = selectedCategoryItem();
    if (!item) {
        prompter().info(QStringLiteral("请选择要修改项"), QString::fromUtf8(kSystemPromptCaption));
        return;
    }
    const auto dialog = m_categories.editDialog(item->text(0), item->parent()->text(0), this);
    if (!dialog->isLoaded()) {
        prompter().info(QStringLiteral("请选择要修改项"), QString::fromUtf8(kSystemPromptCaption));
        return;
    }
    if (dialog->exec() == QDialog::Accepted) {
        rebuildTree();
    }
}

void LibraryPageBase::onDeleteCategory()
{
    QTreeWidgetItem* item = selectedCategoryItem();
    if (!item) {
        prompter().info(m_categories.chooseFirst, QString::fromUtf8(kSystemPromptCaption));
        return;
    }
    const std::string name = ss(item->text(0));
    const auto check = runDatabaseWork([&] { return m_categories.checkDeletion(name, ss(item->parent()->text(0))); });
    if (!check) {
        return;
    }
    if (!check->ok()) {
        showRefusal(*check);
        return;
    }
    if (!prompter().confirm(QStringLiteral("您确定要删除？"), QString::fromUtf8(kSystemPromptCaption))) {
        return;
    }
    runDatabaseWork([&] { m_categories.deletion(check->value(), name); });
    rebuildTree();
}

} // namespace pelinor
