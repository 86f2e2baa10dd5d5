#pragma once

#include "core/common/Outcome.h"

#include <QDialog>
#include <string>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace pelinor {

// The category dialogs of both pages: the parent list "上级类别：" and the name "分类名称：".
// OK hands them to the dialog's save; a refusal is shown and the dialog stays open.
class CategoryDialogBase : public QDialog
{
    Q_OBJECT

public:
    QComboBox* parentCombo() const;
    QLineEdit* nameEdit() const;
    QPushButton* okButton() const;

public slots:
    void accept() override;

protected:
    CategoryDialogBase(const QString& title, QWidget* parent);

    virtual Outcome<int> save() = 0;
    // The name of the chosen parent category, empty while none is chosen.
    std::string chosenParentName() const;
    // The add dialogs clear the name box after a refusal; the edit dialogs keep what was typed.
    void setClearsNameOnRefusal(bool clears);

private:
    QComboBox* m_parent;
    QLineEdit* m_name;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    bool m_clearsNameOnRefusal = false;
};

} // namespace pelinor
