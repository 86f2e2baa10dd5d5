#pragma once

#include <QDialog>

class QButtonGroup;
class QComboBox;
class QDateEdit;
class QLineEdit;

namespace pelinor {

// "考勤登记": one attendance event of one child. Save stores it and closes; a refusal (nobody
// chosen, the same event again) or a database failure keeps the dialog open with what was chosen.
class CKqxzDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CKqxzDlg(QWidget* parent = nullptr);

    QDateEdit* dateEdit() const;
    QComboBox* classCombo() const;
    QComboBox* nameCombo() const;
    QLineEdit* archIdEdit() const;
    QButtonGroup* kindGroup() const;
    QLineEdit* remarkEdit() const;
    // The number of the event saved last; -1 before.
    int savedId() const;

public slots:
    void accept() override;

private:
    void chooseClass();
    void chooseName();

    QDateEdit* m_date;
    QComboBox* m_class;
    QComboBox* m_name;
    QLineEdit* m_archId;
    QButtonGroup* m_kinds;
    QLineEdit* m_remark;
    int m_savedId = -1;
};

} // namespace pelinor
