#include "gui/library/CCookCEditDlg.h"

#include "core/library/DishCategories.h"
#include "gui/library/LibraryScreens.h"
#include "gui/widgets/DatabaseError.h"

#include <QLineEdit>

namespace pelinor {

CCookCEditDlg::CCookCEditDlg(const QString& name, const QString& parentName, QWidget* parent)
    : CategoryEditDialogBase(parent)
{
    setObjectName(QStringLiteral("CCookCEditDlg"));
    std::vector<Category> tops;
    std::optional<Category> category;
    runDatabaseWork([&] {
        tops = dishTopCategories();
        fillCategoryCombo(parentCombo(), tops);
        category = loadDishCategory(ss(name), ss(parentName));
    });
    // Dish top-level categories are not always numbered 1 to N (the initial data has 1 and 8), and
    // the save finds the parent by name anyway: preselect the entry that is the parent.
    int parentPosition = -1;
    for (std::size_t i = 0; category && i < tops.size(); ++i) {
        if (tops[i].id == category->parentId) {
            parentPosition = static_cast<int>(i);
        }
    }
    showLoaded(std::move(category), parentPosition);
}

Outcome<int> CCookCEditDlg::save()
{
    return saveDishCategory(loaded(), chosenParentName(), ss(nameEdit()->text()));
}

} // namespace pelinor
