#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace pelinor {

// "套餐名称添加": asks for the name of a new set meal. The caller checks the name (through core)
// and runs the dialog again, with what was typed, when it is refused.
class CAddTcmcDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CAddTcmcDlg(QWidget* parent = nullptr);

    QString name() const;
    QLineEdit* nameEdit() const
    {
        return m_name;
    }
    QPushButton* okButton() const
    {
        return m_ok;
    }

private:
    QLineEdit* m_name;
    QPushButton* m_ok;
};

} // namespace pelinor
