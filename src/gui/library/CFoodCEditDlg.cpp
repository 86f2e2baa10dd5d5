#include "library/CFoodCEditDlg.h"

#include "library/FoodCategories.h"
#include "library/LibraryScreens.h"
#include "widgets/DatabaseError.h"

#include <QComboBox>
#include <QLineEdit>

namespace pelinor {

CFoodCEditDlg::CFoodCEditDlg(const QString& name, const QString& parentName, QWidget* parent)
    : CategoryDialogBase(QStringLiteral("原料类编辑"), parent)
{
    setObjectName(QStringLiteral("CFoodCEditDlg"));
    runDatabaseWork([&] {
        fillCategoryCombo(parentCombo(), foodTopCategories());
        m_loaded = loadFoodCategory(ss(name), ss(parentName));
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

bool CFoodCEditDlg::isLoaded() const
{
    return m_loaded.has_value();
}

LibraryOutcome CFoodCEditDlg::save()
{
    return saveFoodCategory(*m_loaded, parentCombo()->currentIndex(), ss(nameEdit()->text()));
}

} // namespace pelinor
