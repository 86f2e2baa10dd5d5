#pragma once

#include "core/setmeals/ChosenItem.h"
#include "core/setmeals/DishItemLines.h"

#include <QDialog>
#include <optional>
#include <string>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace pelinor {

class CListCtrlCl;

// "套餐菜谱编辑": the foods of a dish item of a set meal or a plan, with the item's total weight.
// Each change adds its difference to the total; OK hands back the new composition and total (and
// the meal time, where the selector is shown).
class CPackageCookEditDlg : public QDialog
{
    Q_OBJECT

public:
    CPackageCookEditDlg(const std::string& name,
        const std::string& weight,
        const std::string& composition,
        std::optional<std::string> meal,
        QWidget* parent = nullptr);

    // Opens the editor; the meal-time selector is shown only when `meal` is given. The edited dish
    // after OK, nothing after Cancel.
    static std::optional<EditedDish> edit(QWidget* parent,
        const std::string& name,
        const std::string& weight,
        const std::string& composition,
        std::optional<std::string> meal);

    EditedDish edited() const;

    QLineEdit* nameEdit() const;
    QLineEdit* totalEdit() const;
    QComboBox* mealCombo() const; // null without a meal time
    CListCtrlCl* foodList() const;
    QPushButton* okButton() const;

public slots:
    void onAddFood();
    void onEditFood();
    void onDeleteFood();
    void accept() override;

private:
    void showLines();

    DishItemLines m_lines;
    QLineEdit* m_name;
    QLineEdit* m_total;
    QComboBox* m_meal = nullptr;
    CListCtrlCl* m_list;
    QPushButton* m_ok;
    EditedDish m_edited;
};

} // namespace pelinor
