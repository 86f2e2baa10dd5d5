#include "library/CCookCAddDlg.h"

#include "library/DishCategories.h"
#include "library/LibraryScreens.h"
#include "widgets/DatabaseError.h"

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

LibraryOutcome CCookCAddDlg::save()
{
    return addDishCategory(chosenParentName(), ss(nameEdit()->text()));
}

} // namespace pelinor
