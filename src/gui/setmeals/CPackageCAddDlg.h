#pragma once

#include <QDialog>
#include <string>

class QLineEdit;
class QPushButton;

namespace pelinor {

class CListCtrlCl;

// "套餐类添加": the name of a new set meal and the classes it suits, chosen from the class list with
// four move buttons. OK hands back the name and the chosen classes joined by "；" (top first).
class CPackageCAddDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CPackageCAddDlg(QWidget* parent = nullptr);

    std::string name() const;
    std::string object() const;

    QLineEdit* nameEdit() const;
    CListCtrlCl* availableList() const;
    CListCtrlCl* chosenList() const;
    QPushButton* okButton() const;

public slots:
    void accept() override;
    // The selected class goes to the top of the chosen list; all classes go across; and back.
    void onChooseClass();
    void onChooseAll();
    void onReturnClass();
    void onReturnAll();

private:
    QLineEdit* m_name;
    CListCtrlCl* m_available;
    CListCtrlCl* m_chosen;
    QPushButton* m_ok;
    std::string m_acceptedName;
    std::string m_acceptedObject;
};

} // namespace pelinor
