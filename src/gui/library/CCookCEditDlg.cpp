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
    runDatabaseWork([&] {
        fillCategoryCombo(parentCombo(), dishTopCategories());
        m_loaded = loadDishCategory(ss(name), ss(parentName));
    });
    if (!m_loaded) {
        return;
    }
    nameEdit()->setText(qs(m_loaded->name));
    if (m_loaded->parentId == 0) {
        parentCombo()->setEnabled(false);
    } else {
        parentCombo()->setCurrentIndex(m_loaded->parentId - 1);
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
