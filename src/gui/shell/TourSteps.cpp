#include "gui/shell/TourSteps.h"

#include "gui/admin/CYysCreatDlg.h"
#include "gui/library/LibraryTour.h"
#include "gui/records/RecordsTour.h"
#include "gui/shell/CAboutDlg.h"
#include "gui/shell/CHelpDlg.h"
#include "gui/shell/CLumarooDlg.h"

namespace pelinor {

namespace {

template <typename Dialog> std::function<void(TourContext&)> dialog(const QString& name)
{
    return [name](TourContext& tour) {
        Dialog shown(&tour.mainWindow());
        tour.save(&shown, name);
    };
}

} // namespace

std::vector<TourStep> tourSteps()
{
    // clang-format off
    return {
        { "main-home", PageId::CenterHub, {} },
        { "page-00-archives", PageId::ArchiveList, {} },
        { "page-01-plans", PageId::PlanList, {} },
        { "page-02-information", PageId::InfoHub, {} },
        { "page-03-recipes", PageId::RecipeHub, {} },
        { "page-04-settings", PageId::SettingsHub, {} },
        { "page-07-plan-setup", PageId::PlanSetup, {} },
        { "page-09-menu-view", PageId::MenuView, {} },
        { "page-10-analysis", PageId::Analysis, {} },
        { "page-11-archive-entry", PageId::ArchiveEntry, tourArchiveEntry },
        { "page-12-archive-display", PageId::ArchiveDisplay, tourArchiveDisplay },
        { "page-13-plan-editor", PageId::PlanEditor, {} },
        { "knowledge", PageId::Knowledge, {} },
        { "info-health", PageId::Health, {} },
        { "info-immunisation", PageId::Immunisation, {} },
        { "info-classes", PageId::Classes, tourClassMove },
        { "info-attendance", PageId::Attendance, {} },
        { "info-purchase-list", PageId::PurchaseList, {} },
        { "info-vaccines", PageId::VaccineList, {} },
        { "info-class-members", PageId::ClassMembers, {} },
        { "recipe-foods", PageId::Foods, {} },
        { "recipe-dishes", PageId::Dishes, {} },
        { "dialog-food-add", PageId::Foods, tourFoodAddDialog },
        { "dialog-food-edit", PageId::Foods, tourFoodEditDialog },
        { "dialog-food-category-add", PageId::Foods, tourFoodCategoryAddDialog },
        { "dialog-food-category-edit", PageId::Foods, tourFoodCategoryEditDialog },
        { "dialog-dish-add", PageId::Dishes, tourDishAddDialog },
        { "dialog-dish-edit", PageId::Dishes, tourDishEditDialog },
        { "dialog-dish-ingredient", PageId::Dishes, tourDishIngredientDialog },
        { "dialog-dish-category-add", PageId::Dishes, tourDishCategoryAddDialog },
        { "dialog-dish-category-edit", PageId::Dishes, tourDishCategoryEditDialog },
        { "dialog-food-weight", PageId::Dishes, tourFoodWeightDialog },
        { "recipe-set-meals", PageId::SetMeals, {} },
        { "recipe-meal-time-dishes", PageId::MealTimeDishes, {} },
        { "settings-accounts", PageId::Accounts, {} },
        { "settings-roles", PageId::Roles, {} },
        { "settings-backup", PageId::Backup, {} },
        { "settings-password", PageId::PasswordChange, {} },
        { "dialog-about", PageId::CenterHub, dialog<CAboutDlg>("dialog-about") },
        { "dialog-help", PageId::CenterHub, dialog<CHelpDlg>("dialog-help") },
        { "dialog-account", PageId::Accounts, [](TourContext& tour) {
            CYysCreatDlg account(QStringLiteral("admin"), &tour.mainWindow());
            tour.save(&account, QStringLiteral("dialog-account"));
        } },
        { "dialog-class-edit", PageId::CenterHub, tourClassEditDialog },
        { "dialog-person-picker", PageId::CenterHub, tourPersonPicker },
    };
    // clang-format on
}

} // namespace pelinor
