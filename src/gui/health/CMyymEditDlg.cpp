#include "gui/health/CMyymEditDlg.h"

#include "gui/widgets/DatabaseError.h"
#include "gui/widgets/Refusals.h"

namespace pelinor {

CMyymEditDlg::CMyymEditDlg(const Vaccine& vaccine, QWidget* parent)
    : VaccineDialogBase(parent)
{
    setObjectName(QStringLiteral("CMyymEditDlg"));
    showVaccine(vaccine);
}

void CMyymEditDlg::accept()
{
    const Vaccine v = vaccine();
    if (runChange([&] { return updateVaccine(v); })) {
        QDialog::accept();
    }
}

} // namespace pelinor
