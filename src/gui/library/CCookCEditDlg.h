#pragma once

#include "gui/library/CategoryEditDialogBase.h"

namespace pelinor {

// Edits a dish category: a second-level one may also move under another top-level category. It is
// given the tree item's name and its parent item's name.
class CCookCEditDlg : public CategoryEditDialogBase
{
    Q_OBJECT

public:
    CCookCEditDlg(const QString& name, const QString& parentName, QWidget* parent = nullptr);

protected:
    Outcome<int> save() override;
};

} // namespace pelinor
