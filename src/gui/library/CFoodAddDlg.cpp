#include "gui/library/CFoodAddDlg.h"

namespace pelinor {

CFoodAddDlg::CFoodAddDlg(QWidget* parent)
    : FoodDialogBase(QStringLiteral("原料添加"), parent)
{
    setObjectName(QStringLiteral("CFoodAddDlg"));
}

Outcome<int> CFoodAddDlg::save(const FoodForm& form)
{
    return addFood(form);
}

} // namespace pelinor
