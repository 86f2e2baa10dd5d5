#pragma once

#include "gui/library/DishDialogBase.h"

namespace pelinor {

// "菜谱编辑": the dish with the given CookID, loaded before the dialog opens; only main ingredients
// go through the incompatibility check. OK replaces the dish and its ingredient rows.
class CCookEditDlg : public DishDialogBase
{
    Q_OBJECT

public:
    CCookEditDlg(const QString& cookId, QWidget* parent = nullptr);

    // False when no dish has the identifier; the dialog should not be opened then.
    bool isLoaded() const;

protected:
    Outcome<int> save(const DishTexts& texts, const DishIngredientList& ingredients) override;

private:
    int m_cookId = 0;
    bool m_loaded = false;
};

} // namespace pelinor
