#include "gui/health/CMyViewCkDlg.h"

namespace pelinor {

CMyViewCkDlg::CMyViewCkDlg(const Vaccination& vaccination, QWidget* parent)
    : VaccinationDialogBase(Mode::View, QStringLiteral("免疫接种查看"), parent)
{
    setObjectName(QStringLiteral("CMyViewCkDlg"));
    showVaccination(vaccination);
}

} // namespace pelinor
