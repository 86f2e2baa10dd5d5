#pragma once

#include "gui/widgets/CSkinPage.h"

class QLineEdit;

namespace pelinor {

class CPictureButton;

// The password-change page of the system-settings hub. A saved change ends the session: the main
// window closes and the login runs again.
class CMmglDlg : public CSkinPage
{
    Q_OBJECT

public:
    explicit CMmglDlg(QWidget* parent = nullptr);

    QLineEdit* oldPasswordEdit() const;
    QLineEdit* newPasswordEdit() const;
    QLineEdit* confirmationEdit() const;

    void onSave();
    void onClear();

private:
    QLineEdit* m_old;
    QLineEdit* m_new;
    QLineEdit* m_confirmation;
};

} // namespace pelinor
