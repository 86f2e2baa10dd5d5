#pragma once

#include <QDialog>
#include <optional>

class QLineEdit;
class QPushButton;

namespace pelinor {

// "原料重量编辑": shows a food's name and lets the user change its weight text. OK takes the text
// as it is; the callers (meal-time table, set meals, plan editor) decide what to do with it.
class CFweightEditDlg : public QDialog
{
    Q_OBJECT

public:
    CFweightEditDlg(const QString& foodName, const QString& weight, QWidget* parent = nullptr);

    QString weight() const;
    QLineEdit* weightEdit() const;
    QPushButton* okButton() const;

    // Opens the dialog; the edited weight text after OK, nothing after Cancel.
    static std::optional<QString> editWeight(QWidget* parent, const QString& foodName, const QString& weight);

private:
    QLineEdit* m_name;
    QLineEdit* m_weight;
    QPushButton* m_ok;
};

} // namespace pelinor
