#pragma once

#include "core/common/Outcome.h"
#include "core/library/FoodCatalog.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace pelinor {

class NutrientBoxGrid;

// The fields the food add and edit dialogs share: the two category lists, the name, the five
// descriptive texts, the relation fields and the 28 nutrient boxes. OK checks the number boxes,
// then hands the form to the dialog's save; a refusal is shown and the dialog stays open.
class FoodDialogBase : public QDialog
{
    Q_OBJECT

public:
    QComboBox* topCategoryCombo() const;
    QComboBox* subCategoryCombo() const;
    QLineEdit* nameEdit() const;
    NutrientBoxGrid* nutrientBoxes() const;
    QPushButton* okButton() const;

    // The second-level category of the food saved with OK.
    int savedSubCategory() const;

    // The dialog's data as the core takes it.
    FoodForm form() const;

public slots:
    void accept() override;

protected:
    FoodDialogBase(const QString& title, QWidget* parent);

    void setForm(const FoodForm& form, int subPosition);
    virtual Outcome<int> save(const FoodForm& form) = 0;

private:
    void fillSubCategories(int topIndex);

    QComboBox* m_topCategory;
    QComboBox* m_subCategory;
    QLineEdit* m_name;
    QPlainTextEdit* m_gongxiao;
    QPlainTextEdit* m_tiaoxuan;
    QPlainTextEdit* m_chucang;
    QPlainTextEdit* m_xingwei;
    QPlainTextEdit* m_jieshao;
    QLineEdit* m_goesWell;
    QLineEdit* m_goesWellNotes;
    QLineEdit* m_incompatible;
    QLineEdit* m_incompatibleNotes;
    NutrientBoxGrid* m_nutrients;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    int m_savedSubCategory = 0;
};

} // namespace pelinor
