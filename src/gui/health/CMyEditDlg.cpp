#include "gui/health/CMyEditDlg.h"

#include "gui/widgets/DatabaseError.h"
#include "gui/widgets/Refusals.h"

namespace pelinor {

CMyEditDlg::CMyEditDlg(const Vaccination& vaccination, QWidget* parent)
    : VaccinationDialogBase(Mode::Edit, QStringLiteral("免疫接种编辑"), parent)
{
    setObjectName(QStringLiteral("CMyEditDlg"));
    showVaccination(vaccination);
}

void CMyEditDlg::accept()
{
    const Vaccination v = vaccination();
    if (runChange([&] { return updateVaccination(v); })) {
        QDialog::accept();
    }
}

} // namespace pelinor
