#include "gui/planning/PlanningTour.h"

#include "core/planning/PlanRecords.h"
#include "gui/navigation/Navigator.h"
#include "gui/navigation/TourContext.h"
#include "gui/planning/CYypcAddDlg.h"
#include "gui/planning/CYypcDhDlg.h"
#include "gui/widgets/CListCtrlCl.h"
#include "gui/widgets/DatabaseError.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

namespace pelinor {

namespace {

// The first saved plan of a kind and cycle, or -1.
int firstPlan(const std::string& kind, const std::string& cycle)
{
    const auto plans = runDatabaseWork([] { return loadPlanList(""); });
    if (!plans) {
        return -1;
    }
    for (auto plan = plans->rbegin(); plan != plans->rend(); ++plan) {
        if (plan->kind == kind && plan->cycle == cycle) {
            return plan->id;
        }
    }
    return -1;
}

void showEditorPlan(TourContext& tour, int plan, int meal, const QString& name)
{
    auto* editor = navigator().pageAs<CYypcAddDlg>(PageId::PlanEditor);
    if (editor && plan >= 0 && editor->openPlan(plan)) {
        editor->selectMeal(meal);
    }
    tour.savePage(PageId::PlanEditor, name);
    if (editor) {
        editor->ResetEditor();
    }
}

} // namespace

void tourPlanSetup(TourContext& tour)
{
    auto* setup = navigator().pageAs<CYypcDhDlg>(PageId::PlanSetup);
    if (setup) {
        setup->ResetPlanSetup();
        setup->nameEdit()->setText(QStringLiteral("大班组一周食谱"));
        setup->kindButton(1)->setChecked(true);
        setup->chooseGroup();
        setup->cycleButton(1)->setChecked(true);
        for (int i = 0; i < 2 && setup->availableClasses()->rowCount() > 2; ++i) {
            setup->availableClasses()->selectRow(2);
            setup->addClass();
        }
    }
    tour.savePage(PageId::PlanSetup, QStringLiteral("page-07-plan-setup"));
    if (setup) {
        setup->ResetPlanSetup();
    }
}

void tourPlanEditor(TourContext& tour)
{
    showEditorPlan(tour, firstPlan("团体", "一周"), 2, QStringLiteral("page-13-plan-editor"));
}

void tourPlanEditorChild(TourContext& tour)
{
    showEditorPlan(tour, firstPlan("个人", "一天"), 0, QStringLiteral("page-13-plan-editor-child"));
}

} // namespace pelinor
