#pragma once

#include "gui/library/CategoryDialogBase.h"

namespace pelinor {

// "原料类添加": a second-level food category under a chosen top-level one.
class CFoodCAddDlg : public CategoryDialogBase
{
    Q_OBJECT

public:
    explicit CFoodCAddDlg(QWidget* parent = nullptr);

protected:
    Outcome<int> save() override;
};

} // namespace pelinor
