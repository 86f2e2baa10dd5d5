#pragma once

#include "gui/library/FoodDialogBase.h"

namespace pelinor {

// "原料添加": a new food, opened with nothing chosen and empty fields.
class CFoodAddDlg : public FoodDialogBase
{
    Q_OBJECT

public:
    explicit CFoodAddDlg(QWidget* parent = nullptr);

protected:
    Outcome<int> save(const FoodForm& form) override;
};

} // namespace pelinor
