#include "gui/planning/PlanningUi.h"

#include "gui/navigation/Navigator.h"
#include "gui/planning/CYypcAddDlg.h"
#include "gui/session/Session.h"

namespace pelinor {

std::string planDietitian()
{
    const CurrentUser& user = Session::currentUser();
    return user.displayName.empty() ? user.userName : user.displayName;
}

void startPlanEditor(const PlanDefinition& definition)
{
    // The editor is a page of this subsystem, so it is reached directly.
    if (auto* editor = navigator().pageAs<CYypcAddDlg>(PageId::PlanEditor)) {
        if (editor->confirmDiscard()) {
            editor->StartNewPlan(definition);
        }
        navigator().showPage(PageId::PlanEditor);
    }
}

} // namespace pelinor
