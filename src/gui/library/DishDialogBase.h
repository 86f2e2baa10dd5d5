#pragma once

#include "core/library/Dishes.h"

#include <QDialog>

class QGridLayout;
class QHBoxLayout;
class QVBoxLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace pelinor {

class CListCtrlCl;
class NutrientBoxGrid;

// The dish add and edit dialogs: the texts of the dish, its ingredient list with the links to add
// and remove ingredients, the incompatible foods and the 28 running nutrient sums. Nothing is
// written before OK; a refusal is shown and the dialog stays open.
class DishDialogBase : public QDialog
{
    Q_OBJECT

public:
    QLineEdit* nameEdit() const;
    QLineEdit* categoryEdit() const;
    CListCtrlCl* ingredientList() const;
    QLineEdit* incompatibleEdit() const;
    NutrientBoxGrid* nutrientBoxes() const;
    QPushButton* okButton() const;
    const DishIngredientList& ingredients() const;

    DishTexts texts() const;
    // The CookID of the dish saved with OK.
    int savedDishId() const;

public slots:
    void accept() override;
    // The link "添        加": chooses a food and adds it after the incompatibility check.
    void onAddIngredient();
    // The link "删        除": removes the selected ingredient.
    void onRemoveIngredient();
    // Adds an ingredient as the link does, once a food is chosen.
    void addIngredient(const QString& foodName, const QString& weight, const QString& role);

protected:
    DishDialogBase(const QString& title, const QString& tabooLabel, IncompatibilityRule rule, QWidget* parent);

    void setTexts(const DishTexts& texts);
    void setIngredients(DishIngredientList ingredients);
    virtual Outcome<int> save(const DishTexts& texts, const DishIngredientList& ingredients) = 0;

private:
    // OK and cancel.
    QHBoxLayout* buildButtons();
    // The dish's texts, two columns of label and box pairs.
    QGridLayout* buildForm(const QString& tabooLabel);
    // The ingredient list with its add and remove links and the incompatible foods.
    QVBoxLayout* buildIngredients();
    void showIngredients();

    QLineEdit* m_name;
    QLineEdit* m_category;
    QPlainTextEdit* m_intro;
    QPlainTextEdit* m_method;
    QPlainTextEdit* m_value;
    QPlainTextEdit* m_taboo;
    QLineEdit* m_suitable;
    QLineEdit* m_taste;
    QLineEdit* m_craft;
    CListCtrlCl* m_list;
    QLineEdit* m_incompatible;
    NutrientBoxGrid* m_nutrients;
    QPushButton* m_ok;
    DishIngredientList m_ingredients;
    int m_savedDishId = 0;
};

} // namespace pelinor
