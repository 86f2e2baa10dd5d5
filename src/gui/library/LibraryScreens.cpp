#include "gui/library/LibraryScreens.h"

#include "gui/widgets/CListCtrlCl.h"
#include "gui/widgets/DatabaseError.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTreeWidget>

namespace pelinor {

namespace {

constexpr int kTreeItemHeight = 30;
constexpr int kNameColumnWidth = 150;
constexpr int kIdRole = Qt::UserRole;
constexpr int kParentIdRole = Qt::UserRole + 1;

} // namespace

QLineEdit* lineBox(const QString& objectName, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(objectName);
    return box;
}

QPlainTextEdit* textBox(int height, const QString& objectName, QWidget* parent)
{
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(objectName);
    box->setFixedHeight(height);
    box->setTabChangesFocus(true);
    return box;
}

void setUpCategoryTree(QTreeWidget* tree)
{
    tree->setHeaderHidden(true);
    tree->setColumnCount(1);
    tree->setRootIsDecorated(true);
    tree->setUniformRowHeights(true);
    tree->setIndentation(18);
    tree->setStyleSheet(QStringLiteral("QTreeView::item { height: %1px; }").arg(kTreeItemHeight));
}

void fillCategoryTree(QTreeWidget* tree, const QString& rootText, const std::vector<CategoryBranch>& branches)
{
    tree->clear();
    auto* root = new QTreeWidgetItem(tree, QStringList(rootText));
    root->setData(0, kIdRole, -1);
    root->setData(0, kParentIdRole, -1);
    for (const auto& branch : branches) {
        auto* top = new QTreeWidgetItem(root, QStringList(qs(branch.top.name)));
        top->setData(0, kIdRole, branch.top.id);
        top->setData(0, kParentIdRole, 0);
        for (const auto& child : branch.children) {
            auto* item = new QTreeWidgetItem(top, QStringList(qs(child.name)));
            item->setData(0, kIdRole, child.id);
            item->setData(0, kParentIdRole, child.parentId);
        }
    }
    root->setExpanded(true);
}

int categoryIdOf(const QTreeWidgetItem* item)
{
    return item ? item->data(0, kIdRole).toInt() : -1;
}

int categoryParentIdOf(const QTreeWidgetItem* item)
{
    return item ? item->data(0, kParentIdRole).toInt() : -1;
}

void setUpFoodList(CListCtrlCl* list)
{
    list->setColumns({ QStringLiteral("原料名称"), QStringLiteral("能量(kcal)"), QStringLiteral("蛋白质(g)"),
                         QStringLiteral("脂肪(g)"), QStringLiteral("碳水化合物(g)") },
        { kNameColumnWidth, 80, 80, 80, 80 });
    list->setAlignmentString(QStringLiteral("01111"));
    list->setSkinnedRowHeight();
    // Five titles in a narrow page: a smaller header font keeps "碳水化合物(g)" whole.
    list->setHeaderFontSize(13);
    // The name keeps its 150 pixels; the four numbers share the rest equally.
    list->horizontalHeader()->setStretchLastSection(false);
    list->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Fixed);
    for (int column = 1; column < 5; ++column) {
        list->horizontalHeader()->setSectionResizeMode(column, QHeaderView::Stretch);
    }
}

void fillFoodList(CListCtrlCl* list, const std::vector<FoodListRow>& rows)
{
    list->clearRows();
    for (const auto& row : rows) {
        list->appendRow({ qs(row.name), qs(row.energy), qs(row.protein), qs(row.fat), qs(row.carbohydrate) });
    }
}

void fillCategoryCombo(QComboBox* combo, const std::vector<Category>& categories)
{
    combo->clear();
    for (const auto& category : categories) {
        combo->addItem(qs(category.name), category.id);
    }
    combo->setCurrentIndex(-1);
}

} // namespace pelinor
