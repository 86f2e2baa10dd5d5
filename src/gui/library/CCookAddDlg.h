#pragma once

#include "gui/library/DishDialogBase.h"

namespace pelinor {

// "菜谱添加": a new dish; every ingredient goes through the incompatibility check.
class CCookAddDlg : public DishDialogBase
{
    Q_OBJECT

public:
    explicit CCookAddDlg(QWidget* parent = nullptr);

protected:
    Outcome<int> save(const DishTexts& texts, const DishIngredientList& ingredients) override;
};

} // namespace pelinor
