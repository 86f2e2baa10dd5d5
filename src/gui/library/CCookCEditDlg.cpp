#include "library/CCookCEditDlg.h"

#include "library/DishCategories.h"
#include "library/LibraryScreens.h"
#include "widgets/DatabaseError.h"

#include <QComboBox>
#include <QLineEdit>

namespace pelinor {

CCookCEditDlg::CCookCEditDlg(const QString& name, const QString& parentName, QWidget* parent)
    : CategoryDialogBase(QStringLiteral("原料类编辑"), parent)
{
    setObjectName(QStringLiteral("CCookCEditDlg"));
    std::vector<Category> tops;
    runDatabaseWork([&] {
        tops = dishTopCategories();
        fillCategoryCombo(parentCombo(), tops);
        m_loaded = loadDishCategory(ss(name), ss(parentName));
    });
    if (!m_loaded) {
        return;
    }
    nameEdit()->setText(qs(m_loaded->name));
    if (m_loaded->parentId == 0) {
        parentCombo()->setEnabled(false);
        return;
    }
    // Dish top-level categories are not always numbered 1 to N (the initial data has 1 and 8), and
    // the save finds the parent by name anyway: preselect the entry that is the parent.
    for (std::size_t i = 0; i < tops.size(); ++i) {
        if (tops[i].id == m_loaded->parentId) {
            parentCombo()->setCurrentIndex(static_cast<int>(i));
        }
    }
}

bool CCookCEditDlg::isLoaded() const
{
    return m_loaded.has_value();
}

LibraryOutcome CCookCEditDlg::save()
{
    const std::string parentName = parentCombo()->currentIndex() < 0 ? std::string() : ss(parentCombo()->currentText());
    return saveDishCategory(*m_loaded, parentName, ss(nameEdit()->text()));
}

} // namespace pelinor
