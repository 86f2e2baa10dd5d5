#pragma once

#include "gui/health/VaccinationDialogBase.h"

namespace pelinor {

// "免疫接种编辑": vaccine, date, place and remark of a stored vaccination.
class CMyEditDlg : public VaccinationDialogBase
{
    Q_OBJECT

public:
    CMyEditDlg(const Vaccination& vaccination, QWidget* parent = nullptr);

public slots:
    void accept() override;
};

} // namespace pelinor
