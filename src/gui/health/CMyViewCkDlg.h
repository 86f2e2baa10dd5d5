#pragma once

#include "gui/health/VaccinationDialogBase.h"

namespace pelinor {

// "免疫接种查看": a stored vaccination, read-only.
class CMyViewCkDlg : public VaccinationDialogBase
{
    Q_OBJECT

public:
    CMyViewCkDlg(const Vaccination& vaccination, QWidget* parent = nullptr);
};

} // namespace pelinor
