#pragma once

#include <QDialog>
#include <optional>

class QPushButton;

namespace pelinor {

class CListCtrlCl;

// "已有套餐": every stored set meal; OK hands back the number of the selected one.
class CYytcDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CYytcDlg(QWidget* parent = nullptr);

    // Opens the picker; the chosen set meal's number after OK, nothing after Cancel.
    static std::optional<int> pick(QWidget* parent);

    std::optional<int> picked() const;
    CListCtrlCl* setMealList() const;
    QPushButton* okButton() const;

public slots:
    void accept() override;

private:
    CListCtrlCl* m_list;
    QPushButton* m_ok;
    std::optional<int> m_picked;
};

} // namespace pelinor
