#pragma once

#include "core/admin/Accounts.h"

#include <QDialog>
#include <QList>

class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QLineEdit;
class QPushButton;

namespace pelinor {

// The account dialog "营养师创建", for a new account or, given a user name, for editing one.
class CYysCreatDlg : public QDialog
{
    Q_OBJECT

public:
    // Empty user name: a new account. Otherwise the account is loaded and its name is read-only.
    explicit CYysCreatDlg(const QString& userName = QString(), QWidget* parent = nullptr);

    // Run the dialog; true when an account was saved.
    static bool createAccount(QWidget* parent);
    static bool editAccount(QWidget* parent, const QString& userName);

    bool isEditMode() const;
    int accountId() const;

    QLineEdit* userNameEdit() const;
    QLineEdit* nameEdit() const;
    QLineEdit* telephoneEdit() const;
    QComboBox* roleBox() const;
    QComboBox* stateBox() const;
    QLineEdit* passwordEdit() const;
    QLineEdit* confirmationEdit() const;

public slots:
    // OK: saves through the account rules; a refusal is shown and the dialog stays open.
    void onOk();

private:
    // The labelled fields, required ones marked with a red star.
    QGridLayout* buildForm();
    // OK and cancel.
    QHBoxLayout* buildButtons();
    // Shows a stored account for editing; its user name cannot be changed.
    void loadAccount(const QString& userName);
    void fillRoles();
    AccountForm form() const;

    AccountForm m_loaded;
    bool m_editMode = false;
    QList<RoleEntry> m_roles;
    QLineEdit* m_userName;
    QLineEdit* m_name;
    QLineEdit* m_telephone;
    QComboBox* m_role;
    QComboBox* m_state;
    QLineEdit* m_password;
    QLineEdit* m_confirmation;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};

} // namespace pelinor
