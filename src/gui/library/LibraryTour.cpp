#include "gui/library/LibraryTour.h"

#include "core/library/DishCategories.h"
#include "core/library/FoodCategories.h"
#include "gui/library/CCookAddDlg.h"
#include "gui/library/CCookCAddDlg.h"
#include "gui/library/CCookCEditDlg.h"
#include "gui/library/CCookEditDlg.h"
#include "gui/library/CCookFoodAddDlg.h"
#include "gui/library/CFoodAddDlg.h"
#include "gui/library/CFoodCAddDlg.h"
#include "gui/library/CFoodCEditDlg.h"
#include "gui/library/CFoodEditDlg.h"
#include "gui/library/CFweightEditDlg.h"
#include "gui/library/LibraryScreens.h"
#include "gui/navigation/TourContext.h"
#include "gui/widgets/CListCtrlCl.h"
#include "gui/widgets/DatabaseError.h"
#include "gui/widgets/FakePrompter.h"

#include <QComboBox>
#include <QLineEdit>
#include <memory>

namespace pelinor {

namespace {

// A tour shows dialogs, it must never stop at a message box.
struct Quiet
{
    ScopedPrompter prompter { std::make_shared<FakePrompter>() };
};

// The first second-level category of the first top-level one, by name, with its parent's name.
std::pair<QString, QString> firstFoodSubCategory()
{
    std::pair<QString, QString> names;
    runDatabaseWork([&] {
        const auto tree = foodCategoryTree();
        if (!tree.empty() && !tree.front().children.empty()) {
            names = { qs(tree.front().children.front().name), qs(tree.front().top.name) };
        }
    });
    return names;
}

std::pair<QString, QString> firstDishSubCategory()
{
    std::pair<QString, QString> names;
    runDatabaseWork([&] {
        const auto tree = dishCategoryTree();
        if (!tree.empty() && !tree.front().children.empty()) {
            names = { qs(tree.front().children.front().name), qs(tree.front().top.name) };
        }
    });
    return names;
}

} // namespace

void tourFoodAddDialog(TourContext& tour)
{
    Quiet quiet;
    CFoodAddDlg dialog(&tour.mainWindow());
    dialog.topCategoryCombo()->setCurrentIndex(0);
    tour.save(&dialog, QStringLiteral("dialog-food-add"));
}

void tourFoodEditDialog(TourContext& tour)
{
    Quiet quiet;
    CFoodEditDlg dialog(QStringLiteral("菠菜"), &tour.mainWindow());
    tour.save(&dialog, QStringLiteral("dialog-food-edit"));
}

void tourFoodCategoryAddDialog(TourContext& tour)
{
    Quiet quiet;
    CFoodCAddDlg dialog(&tour.mainWindow());
    dialog.parentCombo()->setCurrentIndex(0);
    tour.save(&dialog, QStringLiteral("dialog-food-category-add"));
}

void tourFoodCategoryEditDialog(TourContext& tour)
{
    Quiet quiet;
    const auto [name, parent] = firstFoodSubCategory();
    CFoodCEditDlg dialog(name, parent, &tour.mainWindow());
    tour.save(&dialog, QStringLiteral("dialog-food-category-edit"));
}

void tourDishAddDialog(TourContext& tour)
{
    Quiet quiet;
    CCookAddDlg dialog(&tour.mainWindow());
    dialog.nameEdit()->setText(QStringLiteral("番茄炒蛋"));
    dialog.categoryEdit()->setText(QStringLiteral("儿童荤菜"));
    dialog.addIngredient(QStringLiteral("番茄"), QStringLiteral("100"), QStringLiteral("主料"));
    dialog.addIngredient(QStringLiteral("鸡蛋"), QStringLiteral("50"), QStringLiteral("辅料"));
    dialog.addIngredient(QStringLiteral("花生油"), QStringLiteral("5"), QStringLiteral("调料"));
    tour.save(&dialog, QStringLiteral("dialog-dish-add"));
}

void tourDishEditDialog(TourContext& tour)
{
    Quiet quiet;
    CCookEditDlg dialog(QStringLiteral("1"), &tour.mainWindow());
    tour.save(&dialog, QStringLiteral("dialog-dish-edit"));
}

void tourDishIngredientDialog(TourContext& tour)
{
    Quiet quiet;
    CCookFoodAddDlg dialog(&tour.mainWindow());
    dialog.topCategoryCombo()->setCurrentIndex(0);
    dialog.subCategoryCombo()->setCurrentIndex(0);
    dialog.foodList()->selectRow(0);
    dialog.weightEdit()->setText(QStringLiteral("50"));
    dialog.roleCombo()->setCurrentIndex(0);
    tour.save(&dialog, QStringLiteral("dialog-dish-ingredient"));
}

void tourDishCategoryAddDialog(TourContext& tour)
{
    Quiet quiet;
    CCookCAddDlg dialog(&tour.mainWindow());
    dialog.parentCombo()->setCurrentIndex(0);
    tour.save(&dialog, QStringLiteral("dialog-dish-category-add"));
}

void tourDishCategoryEditDialog(TourContext& tour)
{
    Quiet quiet;
    const auto [name, parent] = firstDishSubCategory();
    CCookCEditDlg dialog(name, parent, &tour.mainWindow());
    tour.save(&dialog, QStringLiteral("dialog-dish-category-edit"));
}

void tourFoodWeightDialog(TourContext& tour)
{
    Quiet quiet;
    CFweightEditDlg dialog(QStringLiteral("大米"), QStringLiteral("50"), &tour.mainWindow());
    tour.save(&dialog, QStringLiteral("dialog-food-weight"));
}

} // namespace pelinor
