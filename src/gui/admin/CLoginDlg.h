#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace pelinor {

class CPictureButton;

// The login at start-up: Enter logs in, Escape does nothing, the whole dialog drags the window;
// the close button and cancel end it without a login.
class CLoginDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CLoginDlg(QWidget* parent = nullptr);

    QLineEdit* userNameEdit() const;
    QLineEdit* passwordEdit() const;

public slots:
    // The login button (and Enter): checks the account, fills the current-user record, accepts.
    void onLogin();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void clearFields();

    QLineEdit* m_userName;
    QLineEdit* m_password;
    QPushButton* m_login;
    QPushButton* m_cancel;
    CPictureButton* m_close;
};

} // namespace pelinor
