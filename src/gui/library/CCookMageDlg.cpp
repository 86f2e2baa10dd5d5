#include "gui/library/CCookMageDlg.h"

#include "core/common/AppInfo.h"
#include "core/library/DishCategories.h"
#include "core/library/Dishes.h"
#include "gui/library/CCookAddDlg.h"
#include "gui/library/CCookCAddDlg.h"
#include "gui/library/CCookCEditDlg.h"
#include "gui/library/CCookEditDlg.h"
#include "gui/widgets/CListCtrlCl.h"
#include "gui/widgets/DatabaseError.h"
#include "gui/widgets/Prompter.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QLineEdit>
#include <QTreeWidget>

namespace pelinor {

namespace {

constexpr int kIdColumn = 3;

const LibraryPageBase::Categories kDishCategories {
    QStringLiteral("菜谱类别"),
    QStringLiteral("请选择菜谱类别"),
    dishCategoryTree,
    checkDishCategoryDeletion,
    deleteDishCategory,
    newCategoryAddDialog<CCookCAddDlg>,
    newCategoryEditDialog<CCookCEditDlg>,
};

} // namespace

CCookMageDlg::CCookMageDlg(QWidget* parent)
    : LibraryPageBase(kDishCategories, QStringLiteral("菜谱"), QStringLiteral("Dish"), parent)
    , m_filter(QString::fromUtf8(kFirstDishFilter))
{
    setObjectName(QStringLiteral("CCookMageDlg"));
    CListCtrlCl* dishes = list();
    dishes->setObjectName(QStringLiteral("dishList"));
    dishes->setColumns(
        { QStringLiteral("名称"), QStringLiteral("重量(g)"), QStringLiteral("详情"), QStringLiteral("编号") },
        { 130, 64, 200, 50 });
    dishes->setAlignmentString(QStringLiteral("0101"));
    dishes->setSkinnedRowHeight();
    QHeaderView* header = dishes->horizontalHeader();
    header->setStretchLastSection(false);
    // The ingredient summary takes whatever width the other columns leave.
    header->setSectionResizeMode(2, QHeaderView::Stretch);

    connect(itemButton(IconAction::Add), &QAbstractButton::clicked, this, &CCookMageDlg::onAddDish);
    connect(itemButton(IconAction::Edit), &QAbstractButton::clicked, this, &CCookMageDlg::onEditDish);
    connect(itemButton(IconAction::Delete), &QAbstractButton::clicked, this, &CCookMageDlg::onDeleteDish);
    connect(dishes, &QTableWidget::cellDoubleClicked, this, [this] { onEditDish(); });
    connect(categoryTree(), &QTreeWidget::itemDoubleClicked, this,
        [this](QTreeWidgetItem* item) { setFilter(item->text(0)); });

    refresh();
}

CListCtrlCl* CCookMageDlg::dishList() const
{
    return list();
}

QString CCookMageDlg::filter() const
{
    return m_filter;
}

void CCookMageDlg::setFilter(const QString& filter)
{
    m_filter = filter;
    reloadList();
}

void CCookMageDlg::reloadList()
{
    runDatabaseWork([&] {
        const auto rows = listDishes(ss(m_filter));
        list()->clearRows();
        for (const auto& row : rows) {
            list()->appendRow({ qs(row.name), qs(row.weight), qs(row.foods), qs(row.id) });
        }
    });
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
    const int row = list()->selectedRow();
    if (row < 0) {
        return;
    }
    CCookEditDlg dialog(list()->itemText(row, kIdColumn), this);
    if (!dialog.isLoaded()) {
        return;
    }
    if (dialog.exec() == QDialog::Accepted) {
        reloadList();
    }
}

void CCookMageDlg::onDeleteDish()
{
    const int row = list()->selectedRow();
    if (row < 0) {
        return;
    }
    if (!prompter().confirm(QStringLiteral("确定要删除吗？"), QString::fromUtf8(kSystemPromptCaption))) {
        return;
    }
    // The row's own identifier, so that of two dishes with one name the selected one goes.
    const int cookId = list()->itemText(row, kIdColumn).toInt();
    runDatabaseWork([&] { deleteDish(cookId); });
    reloadList();
}

void CCookMageDlg::onSearch()
{
    setFilter(searchEdit()->text());
}

} // namespace pelinor
