#include "gui/health/CMyymAddDlg.h"

#include "gui/widgets/DatabaseError.h"
#include "gui/widgets/Refusals.h"

namespace pelinor {

CMyymAddDlg::CMyymAddDlg(QWidget* parent)
    : VaccineDialogBase(parent)
{
    setObjectName(QStringLiteral("CMyymAddDlg"));
}

void CMyymAddDlg::accept()
{
    const Vaccine v = vaccine();
    const auto outcome = runChange([&] { return addVaccine(v); });
    if (!outcome) {
        return;
    }
    QDialog::accept();
}

} // namespace pelinor
