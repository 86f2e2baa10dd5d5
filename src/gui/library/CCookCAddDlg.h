#pragma once

#include "gui/library/CategoryDialogBase.h"

namespace pelinor {

// "菜谱类添加": a second-level dish category under a chosen top-level one.
class CCookCAddDlg : public CategoryDialogBase
{
    Q_OBJECT

public:
    explicit CCookCAddDlg(QWidget* parent = nullptr);

protected:
    Outcome<int> save() override;
};

} // namespace pelinor
