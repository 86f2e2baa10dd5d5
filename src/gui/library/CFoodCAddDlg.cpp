#include "gui/library/CFoodCAddDlg.h"

#include "core/library/FoodCategories.h"
#include "gui/library/LibraryScreens.h"
#include "gui/widgets/DatabaseError.h"

#include <QComboBox>
#include <QLineEdit>

namespace pelinor {

CFoodCAddDlg::CFoodCAddDlg(QWidget* parent)
    : CategoryDialogBase(QStringLiteral("原料类添加"), parent)
{
    setObjectName(QStringLiteral("CFoodCAddDlg"));
    setClearsNameOnRefusal(true);
    runDatabaseWork([&] { fillCategoryCombo(parentCombo(), foodTopCategories()); });
}

Outcome<int> CFoodCAddDlg::save()
{
    return addFoodCategory(chosenParentName(), ss(nameEdit()->text()));
}

} // namespace pelinor
