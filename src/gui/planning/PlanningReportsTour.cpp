#include "gui/planning/PlanningReportsTour.h"

#include "core/common/CalendarDate.h"
#include "core/planning/MenuView.h"
#include "gui/navigation/Navigator.h"
#include "gui/navigation/TourContext.h"
#include "gui/setmeals/CAddTcmcDlg.h"
#include "gui/planning/CCgqdDlg.h"
#include "gui/planning/CYypcViewDlg.h"
#include "gui/print/CPreGotoDlg.h"
#include "gui/print/CPreParentDlg.h"
#include "gui/widgets/DatabaseError.h"
#include "reports/MenuReport.h"
#include "reports/PurchaseReport.h"

#include <QDateEdit>
#include <QLineEdit>

namespace pelinor {

namespace {

// The week plan with the highest number (the latest saved), else any plan.
std::optional<MenuPlan> samplePlan()
{
    std::optional<MenuPlan> sample;
    runDatabaseWork([&] {
        for (int id = 0; id < 200; ++id) {
            if (const auto plan = loadMenuPlan(id); plan && (!sample || !plan->isOneDay() || sample->isOneDay())) {
                sample = plan;
            }
        }
    });
    return sample;
}

void showPreview(TourContext& tour, const Report& report, const QString& name, int page = 1)
{
    CPreParentDlg preview(report, &tour.mainWindow());
    preview.resize(1000, 820);
    for (int i = 1; i < page; ++i) {
        preview.nextPage();
    }
    tour.save(&preview, name);
}

} // namespace

void tourMenuView(TourContext& tour)
{
    if (const auto plan = samplePlan()) {
        navigator().openMenuView(plan->id, QStringLiteral("周三"));
    }
    tour.savePage(PageId::MenuView, QStringLiteral("page-09-menu-view"));
}

void tourMenuPreview(TourContext& tour)
{
    auto* view = navigator().pageAs<CYypcViewDlg>(PageId::MenuView);
    showPreview(
        tour, makeMenuReport(menuReportData(view ? view->grid() : MenuGrid {})), QStringLiteral("dialog-menu-preview"));
}

void tourSetMealName(TourContext& tour)
{
    CAddTcmcDlg dialog(&tour.mainWindow());
    dialog.nameEdit()->setText(QStringLiteral("大班周三午餐套餐"));
    tour.save(&dialog, QStringLiteral("dialog-set-meal-name"));
}

void tourPurchaseList(TourContext& tour)
{
    auto* purchases = navigator().pageAs<CCgqdDlg>(PageId::PurchaseList);
    const auto plan = samplePlan();
    if (purchases && plan) {
        if (const auto monday = parseCalendarDate(plan->date)) {
            purchases->fromEdit()->setDate(QDate(monday->year, monday->month, monday->day));
            const CalendarDate friday = monday->plusDays(plan->isOneDay() ? 0 : 4);
            purchases->toEdit()->setDate(QDate(friday.year, friday.month, friday.day));
        }
        purchases->query();
    }
    tour.savePage(PageId::PurchaseList, QStringLiteral("info-purchase-list"));
}

void tourPurchasePreview(TourContext& tour)
{
    // Every step saves its picture: without plans in the folder, the preview of an empty list.
    std::vector<PurchaseItem> items;
    QString from, to;
    if (auto* purchases = navigator().pageAs<CCgqdDlg>(PageId::PurchaseList)) {
        items = purchases->items();
        from = purchases->fromEdit()->date().toString(QStringLiteral("yyyy-MM-dd"));
        to = purchases->toEdit()->date().toString(QStringLiteral("yyyy-MM-dd"));
    }
    showPreview(tour, makePurchaseReport(items, from, to), QStringLiteral("dialog-purchase-preview"));
}

void tourPreviewGoTo(TourContext& tour)
{
    CPreGotoDlg dialog(2, 4, &tour.mainWindow());
    tour.save(&dialog, QStringLiteral("dialog-preview-goto"));
}

} // namespace pelinor
