#pragma once

#include "core/setmeals/ChosenItem.h"

#include <QDialog>
#include <optional>
#include <string>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace pelinor {

// "套餐原料编辑": the weight (and, where the selector is shown, the meal time) of a single food of a
// set meal. OK hands back the weight and the food's composition rebuilt from it.
class CpackageFoodEditDlg : public QDialog
{
    Q_OBJECT

public:
    CpackageFoodEditDlg(
        const std::string& name, const std::string& weight, std::optional<std::string> meal, QWidget* parent = nullptr);

    // Opens the editor; the edited food after OK, nothing after Cancel. The meal-time selector is
    // shown only when `meal` is given.
    static std::optional<EditedDish> edit(QWidget* parent,
        const std::string& name,
        const std::string& weight,
        std::optional<std::string> meal = std::nullopt);

    EditedDish edited() const;

    QLineEdit* nameEdit() const;
    QComboBox* mealCombo() const; // null without a meal time
    QLineEdit* weightEdit() const;
    QPushButton* okButton() const;

public slots:
    void accept() override;

private:
    QLineEdit* m_name;
    QComboBox* m_meal = nullptr;
    QLineEdit* m_weight;
    QPushButton* m_ok;
    EditedDish m_edited;
};

} // namespace pelinor
