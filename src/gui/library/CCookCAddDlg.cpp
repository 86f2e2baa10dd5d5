#include "gui/library/CCookCAddDlg.h"

#include "core/library/DishCategories.h"
#include "gui/library/LibraryScreens.h"
#include "gui/widgets/DatabaseError.h"

#include <QComboBox>
#include <QLineEdit>

namespace pelinor {

CCookCAddDlg::CCookCAddDlg(QWidget* parent)
    : CategoryDialogBase(QStringLiteral("菜谱类添加"), parent)
{
    setObjectName(QStringLiteral("CCookCAddDlg"));
    setClearsNameOnRefusal(true);
    runDatabaseWork([&] { fillCategoryCombo(parentCombo(), dishTopCategoriesByNumber()); });
}

Outcome<int> CCookCAddDlg::save()
{
    return addDishCategory(chosenParentName(), ss(nameEdit()->text()));
}

} // namespace pelinor
