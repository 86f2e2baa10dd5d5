#pragma once

#include "gui/library/CategoryEditDialogBase.h"

namespace pelinor {

// Edits a food category: a second-level one may also move to another top-level category, taking
// its foods along. It is given the tree item's name and its parent item's name.
class CFoodCEditDlg : public CategoryEditDialogBase
{
    Q_OBJECT

public:
    CFoodCEditDlg(const QString& name, const QString& parentName, QWidget* parent = nullptr);

protected:
    Outcome<int> save() override;
};

} // namespace pelinor
