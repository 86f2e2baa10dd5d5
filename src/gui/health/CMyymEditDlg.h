#pragma once

#include "gui/health/VaccineDialogBase.h"

namespace pelinor {

// Changes a vaccine of the catalogue; a new name goes to its vaccinations too.
class CMyymEditDlg : public VaccineDialogBase
{
    Q_OBJECT

public:
    CMyymEditDlg(const Vaccine& vaccine, QWidget* parent = nullptr);

public slots:
    void accept() override;
};

} // namespace pelinor
