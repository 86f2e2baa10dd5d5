#include "gui/health/CMyLoginDlg.h"

#include "gui/widgets/DatabaseError.h"
#include "gui/widgets/Refusals.h"

#include <QComboBox>

namespace pelinor {

CMyLoginDlg::CMyLoginDlg(const QString& className, const QString& vaccine, QWidget* parent)
    : VaccinationDialogBase(Mode::Enter, QStringLiteral("免疫接种登记"), parent)
{
    setObjectName(QStringLiteral("CMyLoginDlg"));
    classCombo()->setCurrentIndex(classCombo()->findText(className));
    vaccineCombo()->setCurrentIndex(vaccineCombo()->findText(vaccine));
}

int CMyLoginDlg::savedId() const
{
    return m_savedId;
}

void CMyLoginDlg::accept()
{
    const Vaccination v = vaccination();
    const auto outcome = runChange([&] { return registerVaccination(v); });
    if (!outcome) {
        return;
    }
    m_savedId = **outcome;
    QDialog::accept();
}

} // namespace pelinor
