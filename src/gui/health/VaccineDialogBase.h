#pragma once

#include "core/health/Vaccines.h"

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;

namespace pelinor {

// The two vaccine dialogs ("免疫疫苗添加"): name, the months of age of the window and the diseases.
// The month fields take digits only: anything else is taken out again with "只能输入数字！ ".
class VaccineDialogBase : public QDialog
{
    Q_OBJECT

public:
    QLineEdit* nameEdit() const;
    QLineEdit* startEdit() const;
    QLineEdit* endEdit() const;
    QPlainTextEdit* diseasesEdit() const;

protected:
    explicit VaccineDialogBase(QWidget* parent);

    Vaccine vaccine() const;
    void showVaccine(const Vaccine& vaccine);

    Vaccine m_shown;

private:
    void keepDigits(QLineEdit* edit);

    QLineEdit* m_name;
    QLineEdit* m_start;
    QLineEdit* m_end;
    QPlainTextEdit* m_diseases;
};

} // namespace pelinor
