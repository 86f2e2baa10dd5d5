#pragma once

#include <QDialog>
#include <optional>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace pelinor {

class CListCtrlCl;

// One food chosen for a dish, with its weight text and its role.
struct ChosenIngredient
{
    QString foodName;
    QString weight;
    QString role;
};

// "菜谱原料添加": chooses one food by search or by category, with its weight and role. Used by the
// dish dialogs and by the set-meal dish editor.
class CCookFoodAddDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CCookFoodAddDlg(QWidget* parent = nullptr);

    ChosenIngredient chosen() const;

    // Opens the dialog; the chosen food after OK, nothing after Cancel.
    static std::optional<ChosenIngredient> choose(QWidget* parent);

    QLineEdit* searchEdit() const;
    QComboBox* topCategoryCombo() const;
    QComboBox* subCategoryCombo() const;
    CListCtrlCl* foodList() const;
    QLineEdit* weightEdit() const;
    QComboBox* roleCombo() const;
    QPushButton* okButton() const;

public slots:
    void accept() override;
    void onSearch();

private:
    void fillSubCategories(int topIndex);
    void listSubCategory(int subPosition);

    QLineEdit* m_search;
    QComboBox* m_topCategory;
    QComboBox* m_subCategory;
    CListCtrlCl* m_list;
    QLineEdit* m_weight;
    QComboBox* m_role;
    QPushButton* m_ok;
    ChosenIngredient m_chosen;
};

} // namespace pelinor
