#include "gui/library/CCookEditDlg.h"

#include "gui/library/LibraryScreens.h"
#include "gui/widgets/DatabaseError.h"
#include "gui/widgets/Refusals.h"

namespace pelinor {

CCookEditDlg::CCookEditDlg(const QString& cookId, QWidget* parent)
    : DishDialogBase(
        QStringLiteral("菜谱编辑"), QStringLiteral("食物禁忌："), IncompatibilityRule::MainIngredientsOnly, parent)
{
    setObjectName(QStringLiteral("CCookEditDlg"));
    std::optional<LoadedDish> dish;
    runDatabaseWork([&] { dish = loadDish(ss(cookId)); });
    if (!dish) {
        return;
    }
    m_loaded = true;
    m_cookId = dish->cookId;
    setTexts(dish->texts);
    setIngredients(std::move(dish->ingredients));
    for (const auto& refusal : dish->refusals) {
        showRefusal(refusal);
    }
}

bool CCookEditDlg::isLoaded() const
{
    return m_loaded;
}

Outcome<int> CCookEditDlg::save(const DishTexts& texts, const DishIngredientList& ingredients)
{
    return saveEditedDish(m_cookId, texts, ingredients);
}

} // namespace pelinor
