#include "gui/library/CFoodCEditDlg.h"

#include "core/library/FoodCategories.h"
#include "gui/library/LibraryScreens.h"
#include "gui/widgets/DatabaseError.h"

#include <QComboBox>
#include <QLineEdit>

namespace pelinor {

CFoodCEditDlg::CFoodCEditDlg(const QString& name, const QString& parentName, QWidget* parent)
    : CategoryEditDialogBase(parent)
{
    setObjectName(QStringLiteral("CFoodCEditDlg"));
    std::optional<Category> category;
    runDatabaseWork([&] {
        fillCategoryCombo(parentCombo(), foodTopCategories());
        category = loadFoodCategory(ss(name), ss(parentName));
    });
    const int parentPosition = category ? parentCombo()->findData(category->parentId) : -1;
    showLoaded(std::move(category), parentPosition);
}

Outcome<int> CFoodCEditDlg::save()
{
    const int parentId = parentCombo()->currentIndex() < 0 ? 0 : parentCombo()->currentData().toInt();
    return saveFoodCategory(loaded(), parentId, ss(nameEdit()->text()));
}

} // namespace pelinor
