#include "gui/library/CFoodEditDlg.h"

#include "gui/widgets/DatabaseError.h"

namespace pelinor {

CFoodEditDlg::CFoodEditDlg(const QString& foodName, QWidget* parent)
    : FoodDialogBase(QStringLiteral("原料编辑"), parent)
{
    setObjectName(QStringLiteral("CFoodEditDlg"));
    runDatabaseWork([&] { m_loaded = loadFood(ss(foodName)); });
    if (m_loaded) {
        setForm(m_loaded->form, m_loaded->subPosition);
    }
}

bool CFoodEditDlg::isLoaded() const
{
    return m_loaded.has_value();
}

Outcome<int> CFoodEditDlg::save(const FoodForm& form)
{
    return saveEditedFood(*m_loaded, form);
}

} // namespace pelinor
