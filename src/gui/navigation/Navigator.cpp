#include "gui/navigation/Navigator.h"

#include "gui/navigation/PageOpeners.h"
#include "gui/navigation/PageRegistry.h"
#include "gui/navigation/RefreshablePage.h"

#include <set>

namespace pelinor {

namespace {

// Stands in while no main window exists: pages made alone (tests, the tour's dialogs) go nowhere.
class IdleNavigator : public Navigator
{
public:
    void showPage(PageId) override
    {
    }
    QWidget* page(PageId) const override
    {
        return nullptr;
    }
    void closeMainWindow() override
    {
    }
};

IdleNavigator g_idle;
Navigator* g_current = nullptr;

} // namespace

Navigator& navigator()
{
    return g_current ? *g_current : g_idle;
}

void setNavigator(Navigator* current)
{
    g_current = current;
}

void clearNavigator(Navigator* candidate)
{
    if (g_current == candidate) {
        g_current = nullptr;
    }
}

template <typename Receiver, typename Call> bool Navigator::route(PageId target, Call&& call)
{
    QWidget* widget = page(target);
    if (!widget) {
        return false;
    }
    if (auto* receiver = dynamic_cast<Receiver*>(widget)) {
        if (!call(*receiver)) {
            return false;
        }
    }
    showPage(target);
    return true;
}

bool Navigator::openArchive(const QString& archId)
{
    return route<ArchiveOpener>(
        PageId::ArchiveDisplay, [&](ArchiveOpener& opener) { return opener.openArchive(archId); });
}

bool Navigator::openPlanList()
{
    return route<RefreshablePage>(PageId::PlanList, [](RefreshablePage& list) {
        list.refresh();
        return true;
    });
}

bool Navigator::openPlanSetup()
{
    return route<FreshStartPage>(PageId::PlanSetup, [](FreshStartPage& setup) {
        setup.startNew();
        return true;
    });
}

bool Navigator::openPlan(int planNumber)
{
    return route<PlanOpener>(PageId::PlanEditor, [&](PlanOpener& editor) { return editor.openPlan(planNumber); });
}

bool Navigator::openMenuView(int planNumber, const QString& dayKey)
{
    return route<PlanDayOpener>(
        PageId::MenuView, [&](PlanDayOpener& view) { return view.openPlanDay(planNumber, dayKey); });
}

bool Navigator::openAnalysis(int planNumber, const QString& dayKey)
{
    return route<PlanDayOpener>(
        PageId::Analysis, [&](PlanDayOpener& analysis) { return analysis.openPlanDay(planNumber, dayKey); });
}

void Navigator::refreshAllPages()
{
    std::set<QWidget*> done;
    for (const PageRegistration& row : PageRegistry::rows()) {
        QWidget* widget = page(row.id);
        if (!widget || !done.insert(widget).second) {
            continue;
        }
        if (auto* refreshable = dynamic_cast<RefreshablePage*>(widget)) {
            refreshable->refresh();
        }
    }
}

} // namespace pelinor
