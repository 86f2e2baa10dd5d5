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
    const int parentPosition = category ? category->parentId - 1 : -1;
    showLoaded(std::move(category), parentPosition);
}

Outcome<int> CFoodCEditDlg::save()
{
    return saveFoodCategory(loaded(), parentCombo()->currentIndex(), ss(nameEdit()->text()));
}

} // namespace pelinor
