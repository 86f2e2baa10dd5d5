#include "gui/library/CFoodMageDlg.h"

#include "core/common/AppInfo.h"
#include "core/library/FoodCatalog.h"
#include "core/library/FoodCategories.h"
#include "gui/library/CFoodAddDlg.h"
#include "gui/library/CFoodCAddDlg.h"
#include "gui/library/CFoodCEditDlg.h"
#include "gui/library/CFoodEditDlg.h"
#include "gui/widgets/CListCtrlCl.h"
#include "gui/widgets/DatabaseError.h"
#include "gui/widgets/Prompter.h"
#include "gui/widgets/Refusals.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QTreeWidget>

namespace pelinor {

namespace {

const LibraryPageBase::Categories kFoodCategories {
    QStringLiteral("原料类别"),
    QStringLiteral("请选择原料类别"),
    foodCategoryTree,
    checkFoodCategoryDeletion,
    deleteFoodCategory,
    newCategoryAddDialog<CFoodCAddDlg>,
    newCategoryEditDialog<CFoodCEditDlg>,
};

} // namespace

CFoodMageDlg::CFoodMageDlg(QWidget* parent)
    : LibraryPageBase(kFoodCategories, QStringLiteral("原料"), QStringLiteral("Food"), parent)
{
    setObjectName(QStringLiteral("CFoodMageDlg"));
    list()->setObjectName(QStringLiteral("foodList"));
    setUpFoodList(list());

    connect(itemButton(IconAction::Add), &QAbstractButton::clicked, this, &CFoodMageDlg::onAddFood);
    connect(itemButton(IconAction::Edit), &QAbstractButton::clicked, this, &CFoodMageDlg::onEditFood);
    connect(itemButton(IconAction::Delete), &QAbstractButton::clicked, this, &CFoodMageDlg::onDeleteFood);
    connect(list(), &QTableWidget::cellDoubleClicked, this, [this] { onEditFood(); });
    connect(categoryTree(), &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        if (categoryParentIdOf(item) > 0) {
            listSubCategory(categoryIdOf(item));
        }
    });

    refresh();
}

CListCtrlCl* CFoodMageDlg::foodList() const
{
    return list();
}

void CFoodMageDlg::reloadList()
{
    runDatabaseWork([&] {
        switch (m_listing) {
        case Listing::FirstCategory:
            fillFoodList(list(), foodsOfFirstCategory());
            break;
        case Listing::SubCategory:
            fillFoodList(list(), foodsOfSubCategory(m_listedCategory));
            break;
        case Listing::Search:
            fillFoodList(list(), searchFoods(ss(m_searchedText)));
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

void CFoodMageDlg::onAddFood()
{
    CFoodAddDlg dialog(this);
    if (dialog.exec() == QDialog::Accepted) {
        listSubCategory(dialog.savedSubCategory());
    }
}

void CFoodMageDlg::onEditFood()
{
    const int row = list()->selectedRow();
    if (row < 0) {
        return;
    }
    CFoodEditDlg dialog(list()->itemText(row, 0), this);
    if (!dialog.isLoaded()) {
        return;
    }
    if (dialog.exec() == QDialog::Accepted) {
        listSubCategory(dialog.savedSubCategory());
    }
}

void CFoodMageDlg::onDeleteFood()
{
    const int row = list()->selectedRow();
    if (row < 0) {
        return;
    }
    if (!prompter().confirm(QStringLiteral("确定要删除吗？"), QString::fromUtf8(kSystemPromptCaption))) {
        return;
    }
    const auto outcome = runChange([&] { return deleteFood(ss(list()->itemText(row, 0))); });
    if (!outcome) {
        return;
    }
    if (outcome->value() > 0) {
        listSubCategory(outcome->value());
    } else {
        reloadList();
    }
}

void CFoodMageDlg::onSearch()
{
    m_listing = Listing::Search;
    m_searchedText = searchEdit()->text();
    reloadList();
    searchEdit()->clear();
}

} // namespace pelinor
