#include "gui/setmeals/SetMealsTour.h"

#include "core/setmeals/ChosenItem.h"
#include "core/setmeals/SetMeals.h"
#include "gui/navigation/Navigator.h"
#include "gui/navigation/TourContext.h"
#include "gui/setmeals/CAddTcmcDlg.h"
#include "gui/setmeals/COwnAddCookDlg.h"
#include "gui/setmeals/CPCookSelDlg.h"
#include "gui/setmeals/CPFoodSelDlg.h"
#include "gui/setmeals/CPackageCAddDlg.h"
#include "gui/setmeals/CPackageCookEditDlg.h"
#include "gui/setmeals/CPackageDlg.h"
#include "gui/setmeals/CPcSelectAddDlg.h"
#include "gui/setmeals/CYytcDlg.h"
#include "gui/setmeals/CpackageFoodEditDlg.h"
#include "gui/widgets/CListCtrlCl.h"
#include "gui/widgets/DatabaseError.h"
#include "gui/widgets/FakePrompter.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <memory>

namespace pelinor {

namespace {

// A tour shows screens; it never stops at a message box.
struct Quiet
{
    ScopedPrompter prompter { std::make_shared<FakePrompter>() };
};

// The first item of the first stored set meal that is (or is not) a dish.
std::optional<SetMealItem> firstItem(bool dish)
{
    const auto heads = runDatabaseWork([] { return listSetMeals(); });
    if (!heads || heads->empty()) {
        return std::nullopt;
    }
    const int id = heads->front().id;
    const auto items = runDatabaseWork([id] { return loadSetMealItems(id); });
    if (!items) {
        return std::nullopt;
    }
    for (const SetMealItem& item : *items) {
        if ((item.isDish == kIsDish) == dish) {
            return item;
        }
    }
    return std::nullopt;
}

} // namespace

void tourSetMealPage(TourContext& tour)
{
    Quiet quiet;
    if (auto* page = navigator().pageAs<CPackageDlg>(PageId::SetMeals)) {
        if (!page->setMeal() && page->setMealList()->rowCount() > 0) {
            page->setMealList()->selectRow(0);
        }
    }
    tour.savePage(PageId::SetMeals, QStringLiteral("recipe-set-meals"));
}

void tourSetMealNewDialog(TourContext& tour)
{
    Quiet quiet;
    CPackageCAddDlg dialog(&tour.mainWindow());
    dialog.nameEdit()->setText(QStringLiteral("初夏营养套餐"));
    if (dialog.availableList()->rowCount() > 1) {
        dialog.availableList()->selectRow(1);
        dialog.onChooseClass();
        dialog.availableList()->selectRow(0);
        dialog.onChooseClass();
    }
    tour.save(&dialog, QStringLiteral("dialog-set-meal-new"));
}

void tourChooserDishes(TourContext& tour)
{
    Quiet quiet;
    CPcSelectAddDlg dialog(ChooserMode::SetMeal, &tour.mainWindow());
    dialog.dishPage()->dishList()->selectRow(0);
    dialog.mealCombo()->setCurrentIndex(2);
    dialog.weightEdit()->setText(QStringLiteral("100"));
    tour.save(&dialog, QStringLiteral("dialog-chooser-dishes"));
}

void tourChooserFoods(TourContext& tour)
{
    Quiet quiet;
    CPcSelectAddDlg dialog(ChooserMode::Plan, &tour.mainWindow());
    dialog.tabs()->setCurrentIndex(1);
    dialog.foodPage()->foodList()->selectRow(0);
    dialog.weightEdit()->setText(QStringLiteral("50"));
    tour.save(&dialog, QStringLiteral("dialog-chooser-foods"));
}

void tourChooserOwnDish(TourContext& tour)
{
    Quiet quiet;
    CPcSelectAddDlg dialog(ChooserMode::SetMeal, &tour.mainWindow());
    dialog.tabs()->setCurrentIndex(2);
    COwnAddCookDlg* own = dialog.ownPage();
    own->nameEdit()->setText(QStringLiteral("自制杂粮粥"));
    own->categoryCombo()->setCurrentIndex(0);
    const char* weights[] = { "20", "15", "10" };
    for (int i = 0; i < 3 && i < own->foodList()->rowCount(); ++i) {
        own->foodList()->selectRow(i);
        own->weightEdit()->setText(QString::fromLatin1(weights[i]));
        own->onAddFood();
    }
    own->foodList()->selectRow(3);
    own->weightEdit()->setText(QStringLiteral("5"));
    tour.save(&dialog, QStringLiteral("dialog-chooser-own"));
}

void tourSetMealDishEditor(TourContext& tour)
{
    Quiet quiet;
    const auto item = firstItem(true);
    CPackageCookEditDlg dialog(item ? item->name : std::string(), item ? item->weight : std::string(),
        item ? item->composition : std::string(), item ? item->meal : std::string("早餐"), &tour.mainWindow());
    dialog.foodList()->selectRow(0);
    tour.save(&dialog, QStringLiteral("dialog-set-meal-dish-edit"));
}

void tourSetMealFoodEditor(TourContext& tour)
{
    Quiet quiet;
    const auto item = firstItem(false);
    CpackageFoodEditDlg dialog(item ? item->name : std::string(), item ? item->weight : std::string(),
        item ? item->meal : std::string("早餐"), &tour.mainWindow());
    tour.save(&dialog, QStringLiteral("dialog-set-meal-food-edit"));
}

void tourSetMealPicker(TourContext& tour)
{
    Quiet quiet;
    CYytcDlg dialog(&tour.mainWindow());
    dialog.setMealList()->selectRow(0);
    tour.save(&dialog, QStringLiteral("dialog-set-meal-picker"));
}

void tourSetMealNameDialog(TourContext& tour)
{
    Quiet quiet;
    CAddTcmcDlg dialog(&tour.mainWindow());
    dialog.nameEdit()->setText(QStringLiteral("周三午餐套餐"));
    tour.save(&dialog, QStringLiteral("dialog-set-meal-name"));
}

} // namespace pelinor
