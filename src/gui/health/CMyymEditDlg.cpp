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
    const auto outcome = runChange([&] { return updateVaccine(v); });
    if (!outcome) {
        return;
    }
    QDialog::accept();
}

} // namespace pelinor
