#include "gui/planning/PlanEditorDialogs.h"

#include "gui/library/CFweightEditDlg.h"

namespace pelinor {

PlanEditorDialogs PlanEditorDialogs::standard()
{
    PlanEditorDialogs dialogs;
    dialogs.editFoodWeight = [](QWidget* parent, const QString& name, const QString& weight) {
        return CFweightEditDlg::editWeight(parent, name, weight);
    };
    return dialogs;
}

} // namespace pelinor
