#include "gui/library/CCookAddDlg.h"

namespace pelinor {

CCookAddDlg::CCookAddDlg(QWidget* parent)
    : DishDialogBase(
        QStringLiteral("菜谱添加"), QStringLiteral("食物经济："), IncompatibilityRule::EveryIngredient, parent)
{
    setObjectName(QStringLiteral("CCookAddDlg"));
}

Outcome<int> CCookAddDlg::save(const DishTexts& texts, const DishIngredientList& ingredients)
{
    return addDish(texts, ingredients);
}

} // namespace pelinor
