#include "gui/setmeals/CPCookSelDlg.h"

#include "core/library/DishCategories.h"
#include "core/library/Dishes.h"
#include "gui/library/CCookEditDlg.h"
#include "gui/library/LibraryScreens.h"
#include "gui/widgets/CListCtrlCl.h"
#include "gui/widgets/DatabaseError.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QTreeWidget>

namespace pelinor {

namespace {

constexpr int kIdColumn = 0;
constexpr int kNameColumn = 1;

} // namespace

CPCookSelDlg::CPCookSelDlg(QWidget* parent)
    : QWidget(parent)
    , m_tree(new QTreeWidget(this))
    , m_list(new CListCtrlCl(this))
{
    setObjectName(QStringLiteral("CPCookSelDlg"));
    m_tree->setObjectName(QStringLiteral("dishCategoryTree"));
    m_list->setObjectName(QStringLiteral("dishList"));
    setUpCategoryTree(m_tree);
    m_tree->setFixedWidth(170);
    m_list->setColumns(
        { QStringLiteral("编号"), QStringLiteral("名称"), QStringLiteral("重量(g)"), QStringLiteral("原料") },
        { 48, 120, 64, 200 });
    m_list->setAlignmentString(QStringLiteral("1010"));
    m_list->setSkinnedRowHeight();
    m_list->horizontalHeader()->setStretchLastSection(true);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_tree);
    layout->addWidget(m_list, 1);

    runDatabaseWork([&] { fillCategoryTree(m_tree, QStringLiteral("菜谱类别"), dishCategoryTree()); });
    setFilter(QString::fromUtf8(kFirstDishFilter));

    connect(m_tree, &QTreeWidget::itemDoubleClicked, this, &CPCookSelDlg::onCategoryDoubleClicked);
    connect(m_list, &QTableWidget::cellDoubleClicked, this, &CPCookSelDlg::onDishDoubleClicked);
}

QTreeWidget* CPCookSelDlg::categoryTree() const
{
    return m_tree;
}

CListCtrlCl* CPCookSelDlg::dishList() const
{
    return m_list;
}

QString CPCookSelDlg::filter() const
{
    return m_filter;
}

void CPCookSelDlg::setFilter(const QString& filter)
{
    m_filter = filter;
    const auto rows = runDatabaseWork([&] { return listDishes(ss(filter)); });
    if (!rows) {
        return;
    }
    m_list->clearRows();
    for (const DishListRow& row : *rows) {
        m_list->appendRow({ qs(row.id), qs(row.name), qs(row.weight), qs(row.foods) });
    }
}

QString CPCookSelDlg::selectedDishName() const
{
    const int row = m_list->selectedRow();
    return row < 0 ? QString() : m_list->itemText(row, kNameColumn);
}

void CPCookSelDlg::onCategoryDoubleClicked(QTreeWidgetItem* item)
{
    if (!item) {
        return;
    }
    // The root stands for every category: all dishes.
    setFilter(item == m_tree->topLevelItem(0) ? QString() : item->text(0));
}

void CPCookSelDlg::onDishDoubleClicked(int row)
{
    if (row < 0 || row >= m_list->rowCount()) {
        return;
    }
    CCookEditDlg dialog(m_list->itemText(row, kIdColumn), this);
    if (dialog.isLoaded() && dialog.exec() == QDialog::Accepted) {
        setFilter(m_filter);
    }
}

} // namespace pelinor
