#include "library/CFoodCAddDlg.h"

#include "library/FoodCategories.h"
#include "library/LibraryScreens.h"
#include "widgets/DatabaseError.h"

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

LibraryOutcome CFoodCAddDlg::save()
{
    const std::string parentName = parentCombo()->currentIndex() < 0 ? std::string() : ss(parentCombo()->currentText());
    return addFoodCategory(parentName, ss(nameEdit()->text()));
}

} // namespace pelinor
