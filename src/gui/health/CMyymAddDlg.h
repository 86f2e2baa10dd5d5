#pragma once

#include "gui/health/VaccineDialogBase.h"

namespace pelinor {

// Adds a vaccine to the catalogue.
class CMyymAddDlg : public VaccineDialogBase
{
    Q_OBJECT

public:
    explicit CMyymAddDlg(QWidget* parent = nullptr);

public slots:
    void accept() override;
};

} // namespace pelinor
