#pragma once

#include "core/planning/PlanEditor.h"
#include "gui/navigation/PageOpeners.h"
#include "gui/widgets/CSkinPage.h"

#include <QList>
#include <array>

class QButtonGroup;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QListWidgetItem;

namespace pelinor {

class CListCtrlCl;
class CPictureButton;

// The plan editor page: the dishes and foods of a plan, day by day and meal time by meal time,
// against the subject's reference. A view of a PlanEditor; every click goes to it and the page
// then shows the editor's state again.
class CYypcAddDlg : public CSkinPage, public PlanOpener
{
    Q_OBJECT

public:
    explicit CYypcAddDlg(QWidget* parent = nullptr);

    // A plan just defined on the set-up page.
    void StartNewPlan(const PlanDefinition& definition);
    // A saved plan from the plan list; false (after a message) when it cannot be opened.
    bool OpenSavedPlan(int planId);
    void ResetEditor();
    // The plan list's modify: the editor reset, then the saved plan. False when the user keeps the
    // plan still open with changes not saved (the editor is then shown as it was).
    bool openPlan(int planNumber) override;
    // True when nothing unsaved is open, or the user agrees to drop it.
    bool confirmDiscard();

    const PlanEditor& editor() const
    {
        return m_editor;
    }

    // The controls, for the tour and the tests.
    QComboBox* daySelector() const
    {
        return m_day;
    }
    QDateEdit* dateEdit() const
    {
        return m_date;
    }
    CListCtrlCl* itemList() const
    {
        return m_items;
    }
    QListWidget* recommendationList() const
    {
        return m_recommendations;
    }
    CPictureButton* mealButton(int meal) const
    {
        return m_mealButtons[static_cast<std::size_t>(meal)];
    }
    QGroupBox* referenceBox() const
    {
        return m_referenceBox;
    }
    QGroupBox* actualBox() const
    {
        return m_actualBox;
    }
    // Energy, protein, fat, carbohydrate of the meal boxes.
    QString referenceText(int value) const;
    QString actualText(int value) const;
    // One of the twenty daily reference fields, in slot order.
    QString dailyText(int slot) const;

public slots:
    void selectMeal(int meal);
    void selectDay(int index);
    void addChosenItem();
    void modifyItem();
    void deleteItem();
    void applySetMeal();
    void savePlan();
    void leaveEditor();

private:
    void buildHeader(QLayout* into);
    QLayout* buildMealButtons();
    QLayout* buildLists();
    QLayout* buildMealBoxes();
    QGroupBox* buildDailyPanel();
    QLayout* buildButtons();

    void dateChanged();
    void addRecommended(QListWidgetItem* item);
    // A refused item is explained; an accepted one is added once the allergy question allows it.
    void addItem(const Outcome<PlanItem>& item);
    // Asks about allergies, then adds; false when the nurse dropped the item.
    bool confirmAllergies(const std::string& itemName, const std::vector<AllergyHit>& hits);
    void showPlanList();
    void showState();

    PlanEditor m_editor;

    QLineEdit* m_name;
    QLineEdit* m_subject;
    QLineEdit* m_cycle;
    QComboBox* m_day;
    QDateEdit* m_date;
    QButtonGroup* m_meals;
    std::array<CPictureButton*, 5> m_mealButtons {};
    CListCtrlCl* m_items;
    QListWidget* m_recommendations;
    QGroupBox* m_referenceBox;
    QGroupBox* m_actualBox;
    std::array<QLineEdit*, 4> m_reference {};
    std::array<QLineEdit*, 4> m_actual {};
    std::array<QLineEdit*, 20> m_daily {};
    bool m_showing = false;
};

} // namespace pelinor
