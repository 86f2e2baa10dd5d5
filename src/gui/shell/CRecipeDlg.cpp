#include "gui/shell/CRecipeDlg.h"

namespace pelinor {

CRecipeDlg::CRecipeDlg(QWidget* parent)
    : CHubPage(PageId::RecipeHub,
        {
            { PageId::Foods, QStringLiteral("C31"), QStringLiteral(":/skin/sym-food.svg"), false },
            { PageId::Dishes, QStringLiteral("C32"), QStringLiteral(":/skin/sym-dish.svg"), false },
            { PageId::SetMeals, QStringLiteral("C33"), QStringLiteral(":/skin/sym-setmeal.svg"), false },
            { PageId::MealTimeDishes, QString(), QStringLiteral(":/skin/sym-clock.svg"), false },
        },
        parent)
{
}

} // namespace pelinor
