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
    if (runChange([&] { return addVaccine(v); })) {
        QDialog::accept();
    }
}

} // namespace pelinor
