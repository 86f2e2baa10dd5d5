#pragma once

#include <QDialog>
#include <optional>
#include <string>

class QLineEdit;
class QPushButton;

namespace pelinor {

// "套餐名称添加": the name of a set meal about to be made from a planned day.
class CAddTcmcDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CAddTcmcDlg(QWidget* parent = nullptr);

    // Opens the dialog; the name after OK (never empty), nothing after Cancel.
    static std::optional<std::string> askName(QWidget* parent);

    std::string name() const;
    QLineEdit* nameEdit() const;
    QPushButton* okButton() const;

public slots:
    void accept() override;

private:
    QLineEdit* m_name;
    QPushButton* m_ok;
    std::string m_accepted;
};

} // namespace pelinor
