#include "gui/library/CategoryEditDialogBase.h"

#include "gui/widgets/DatabaseError.h"

#include <QComboBox>
#include <QLineEdit>

namespace pelinor {

CategoryEditDialogBase::CategoryEditDialogBase(QWidget* parent)
    : CategoryDialogBase(QStringLiteral("原料类编辑"), parent)
{
}

bool CategoryEditDialogBase::isLoaded() const
{
    return m_loaded.has_value();
}

const Category& CategoryEditDialogBase::loaded() const
{
    return *m_loaded;
}

void CategoryEditDialogBase::showLoaded(std::optional<Category> loaded, int parentPosition)
{
    m_loaded = std::move(loaded);
    if (!m_loaded) {
        return;
    }
    nameEdit()->setText(qs(m_loaded->name));
    if (m_loaded->parentId == 0) {
        parentCombo()->setEnabled(false);
    } else {
        parentCombo()->setCurrentIndex(parentPosition);
    }
}

} // namespace pelinor
