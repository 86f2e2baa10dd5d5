#pragma once

#include "gui/health/VaccinationDialogBase.h"

namespace pelinor {

// "免疫接种登记": a new vaccination. The page's class and vaccine come chosen; save stores it and
// closes, a refusal or a database failure keeps the dialog open.
class CMyLoginDlg : public VaccinationDialogBase
{
    Q_OBJECT

public:
    CMyLoginDlg(const QString& className, const QString& vaccine, QWidget* parent = nullptr);

    int savedId() const;

public slots:
    void accept() override;

private:
    int m_savedId = -1;
};

} // namespace pelinor
