#pragma once

#include "core/setmeals/SetMeals.h"
#include "gui/widgets/CSkinPage.h"

#include <QList>
#include <optional>

class QLabel;
class QLineEdit;
class QAbstractButton;

namespace pelinor {

class CListCtrlCl;

// The set-meal page: the stored set meals on the left, the items of the one being edited in the
// middle, and on the right the reference values for the classes it suits. A set meal gets its
// number when it is first saved; after a delete the page holds no set meal, so a save can never
// write into the set meal that took over a number.
class CPackageDlg : public CSkinPage
{
    Q_OBJECT

public:
    explicit CPackageDlg(QWidget* parent = nullptr);

    CListCtrlCl* setMealList() const;
    CListCtrlCl* itemList() const;
    QLineEdit* searchEdit() const;
    QLabel* titleLabel() const;
    // The nineteen reference values, in panel order.
    QString referenceText(int index) const;
    // The set meal being edited (none after a delete).
    const std::optional<SetMeal>& setMeal() const;
    bool hasUnsavedChanges() const;

public slots:
    void onNewSetMeal();
    void onDeleteSetMeal();
    void onSearch();
    void onAddItem();
    void onModifyItem();
    void onDeleteItem();
    void onSave();
    void onCancel();
    // The user picked a line of the set-meal list.
    void onSetMealChosen();

protected:
    // Set meals are also made from a planned day (menu view): the list is read again whenever the
    // page is shown.
    void showEvent(QShowEvent* event) override;

private:
    void fillSetMealList();
    void showSetMeal();
    void showItems();
    void showReference(const std::string& object);
    void clearSetMeal();
    // Selects the list line of the set meal being edited (the new one, or the one of its number).
    void selectCurrentLine();
    // True when nothing unsaved would be lost, or the user agrees to drop it.
    bool mayDropChanges();
    void changed();

    CListCtrlCl* m_setMeals;
    CListCtrlCl* m_items;
    QLineEdit* m_search;
    QLabel* m_title;
    QList<QLabel*> m_reference;
    std::optional<SetMeal> m_setMeal;
    bool m_dirty = false;
    bool m_selecting = false;
};

} // namespace pelinor
