#include "gui/setmeals/CPFoodSelDlg.h"

#include "core/library/FoodCatalog.h"
#include "core/library/FoodCategories.h"
#include "core/setmeals/ChooserFoods.h"
#include "gui/library/CFoodEditDlg.h"
#include "gui/library/LibraryScreens.h"
#include "gui/widgets/CListCtrlCl.h"
#include "gui/widgets/DatabaseError.h"

#include <QHBoxLayout>
#include <QTreeWidget>

namespace pelinor {

CPFoodSelDlg::CPFoodSelDlg(QWidget* parent)
    : QWidget(parent)
    , m_tree(new QTreeWidget(this))
    , m_list(new CListCtrlCl(this))
{
    setObjectName(QStringLiteral("CPFoodSelDlg"));
    m_tree->setObjectName(QStringLiteral("foodCategoryTree"));
    m_list->setObjectName(QStringLiteral("foodList"));
    setUpCategoryTree(m_tree);
    m_tree->setFixedWidth(170);
    setUpFoodList(m_list);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_tree);
    layout->addWidget(m_list, 1);

    runDatabaseWork([&] { fillCategoryTree(m_tree, QStringLiteral("原料类别"), foodCategoryTree()); });
    showFoods(foodsOfFirstCategory);

    connect(m_tree, &QTreeWidget::itemDoubleClicked, this, &CPFoodSelDlg::onCategoryDoubleClicked);
    connect(m_list, &QTableWidget::cellDoubleClicked, this, &CPFoodSelDlg::onFoodDoubleClicked);
}

QTreeWidget* CPFoodSelDlg::categoryTree() const
{
    return m_tree;
}

CListCtrlCl* CPFoodSelDlg::foodList() const
{
    return m_list;
}

void CPFoodSelDlg::search(const QString& text)
{
    const std::string wanted = ss(text);
    showFoods([wanted] { return searchFoods(wanted); });
}

QString CPFoodSelDlg::selectedFoodName() const
{
    const int row = m_list->selectedRow();
    return row < 0 ? QString() : m_list->itemText(row, 0);
}

void CPFoodSelDlg::onCategoryDoubleClicked(QTreeWidgetItem* item)
{
    const int id = categoryIdOf(item);
    const int parentId = categoryParentIdOf(item);
    if (id < 0) {
        return; // the root
    }
    if (parentId == 0) {
        showFoods([id] { return foodsOfTopCategory(id); });
    } else {
        showFoods([id] { return foodsOfSubCategory(id); });
    }
}

void CPFoodSelDlg::onFoodDoubleClicked(int row)
{
    if (row < 0 || row >= m_list->rowCount()) {
        return;
    }
    CFoodEditDlg dialog(m_list->itemText(row, 0), this);
    if (dialog.isLoaded() && dialog.exec() == QDialog::Accepted && m_shown) {
        showFoods(m_shown);
    }
}

void CPFoodSelDlg::showFoods(std::function<std::vector<FoodListRow>()> rows)
{
    const auto listed = runDatabaseWork(rows);
    if (!listed) {
        return;
    }
    m_shown = std::move(rows);
    fillFoodList(m_list, *listed);
}

} // namespace pelinor
