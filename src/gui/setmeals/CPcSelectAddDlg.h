#pragma once

#include "core/setmeals/ChosenItem.h"

#include <QDialog>
#include <optional>
#include <string>

class QComboBox;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace pelinor {

class COwnAddCookDlg;
class CPCookSelDlg;
class CPFoodSelDlg;

// Who opens the item chooser: the plan editor ("食谱添加") or a page of set meals and recommendations
// ("菜谱添加", with the meal-time selector "餐次：").
enum class ChooserMode
{
    Plan,
    SetMeal,
};

// The item chooser: a dish of the library, a single food, or a dish put together on the spot (which
// is stored as a new dish), each with its weight. Weights are plain numbers only.
class CPcSelectAddDlg : public QDialog
{
    Q_OBJECT

public:
    // `fixedMeal`: the meal time the caller files the item under whatever is chosen here; the
    // selector shows it and cannot be changed.
    explicit CPcSelectAddDlg(
        ChooserMode mode, QWidget* parent = nullptr, std::optional<std::string> fixedMeal = std::nullopt);

    // Opens the chooser; the chosen item after OK, nothing after Cancel.
    static std::optional<ChosenItem> choose(
        QWidget* parent, ChooserMode mode, std::optional<std::string> fixedMeal = std::nullopt);

    ChosenItem chosen() const;

    QTabWidget* tabs() const;
    CPCookSelDlg* dishPage() const;
    CPFoodSelDlg* foodPage() const;
    COwnAddCookDlg* ownPage() const;
    QLineEdit* searchEdit() const;
    QComboBox* mealCombo() const; // null in plan mode
    QLineEdit* weightEdit() const;
    QPushButton* okButton() const;

public slots:
    void accept() override;
    void onSearch();
    void onTabChanged(int index);

private:
    ChooserMode m_mode;
    QTabWidget* m_tabs;
    CPCookSelDlg* m_dishPage;
    CPFoodSelDlg* m_foodPage;
    COwnAddCookDlg* m_ownPage;
    QLineEdit* m_search;
    QComboBox* m_meal = nullptr;
    QLineEdit* m_weight;
    QPushButton* m_ok;
    ChosenItem m_chosen;
};

} // namespace pelinor
