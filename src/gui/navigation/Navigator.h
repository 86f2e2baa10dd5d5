#pragma once

#include "gui/navigation/PageId.h"

#include <QString>
#include <QWidget>

namespace pelinor {

// How a screen reaches another page of the main window without knowing the main window or the
// other page's class. The typed calls hand their values to the receiving page through one of the
// interfaces of PageOpeners.h, which that page implements, and show it when it accepted them; a
// page that does not implement the interface is just shown. Screens call `navigator().openArchive(id)` and the like;
// the main window is the navigator while it exists, otherwise the calls do nothing.
class Navigator
{
public:
    virtual ~Navigator() = default;

    // Switches the main window to a page (a hub's page inside its hub): no permission test and no
    // refresh, so the page keeps what it shows.
    virtual void showPage(PageId page) = 0;
    // The page object; null while no main window exists.
    virtual QWidget* page(PageId page) const = 0;
    // Closes the main window (the password change ends the session this way).
    virtual void closeMainWindow() = 0;

    // A page of the caller's own subsystem, to call its own functions. A page of another subsystem
    // is reached through a typed call below, never through its class.
    template <typename T> T* pageAs(PageId id) const
    {
        return qobject_cast<T*>(page(id));
    }

    // The display page (page 12) with a child's archive; false (nothing switched) when the page
    // cannot show it.
    bool openArchive(const QString& archId);
    // The plan list (page 1), reloaded.
    bool openPlanList();
    // The plan set-up (page 7), cleared for a new plan.
    bool openPlanSetup();
    // The plan editor (page 13) with a saved plan.
    bool openPlan(int planNumber);
    // The menu view (page 9) of a saved plan, on one day ("周一" ... "周五", "一天"; empty: its first).
    bool openMenuView(int planNumber, const QString& dayKey = {});
    // The analysis (page 10) of one day of a saved plan.
    bool openAnalysis(int planNumber, const QString& dayKey = {});
    // Reloads every page that reloads itself (RefreshablePage), whether shown or not: after a
    // restore replaced the data files under them.
    void refreshAllPages();

private:
    template <typename Receiver, typename Call> bool route(PageId target, Call&& call);
};

// The navigator of the running main window, or one that does nothing while there is none.
Navigator& navigator();
// The main window makes itself the navigator; nullptr puts the idle one back.
void setNavigator(Navigator* current);
// The current navigator when it is `candidate` (a closing main window clears only itself).
void clearNavigator(Navigator* candidate);

} // namespace pelinor
