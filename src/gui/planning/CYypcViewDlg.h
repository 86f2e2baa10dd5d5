#pragma once

#include "core/planning/MenuView.h"
#include "gui/navigation/PageOpeners.h"
#include "gui/widgets/CSkinPage.h"

#include <optional>

class QComboBox;
class QLabel;

namespace pelinor {

class CListCtrlCl;

// The menu view (page 9): one day of a saved plan listed by meal time, with the printed menu
// ("带量食谱"), the analysis of the shown day and a new set meal made from it. It never changes
// the plan.
class CYypcViewDlg : public CSkinPage, public PlanDayOpener
{
    Q_OBJECT

public:
    explicit CYypcViewDlg(QWidget* parent = nullptr);

    // What the plan list's view button calls (through the navigator): the plan on `dayKey`
    // ("周一" … "周五"; empty or "一天": the plan's first day). False when there is no such plan.
    bool openPlanDay(int planNumber, const QString& dayKey) override;

    // Empties every field, the list and the printed grid.
    void clearPage();
    // Lists one day of the open plan.
    void fillDay(const QString& dayKey);
    // The day the page shows: "一天" for a one-day plan, otherwise the selector's day.
    QString shownDayKey() const;

    void printMenu();
    void openAnalysis();
    void makeSetMeal();
    void backToPlanList();

    CListCtrlCl* list() const
    {
        return m_list;
    }
    QComboBox* daySelector() const
    {
        return m_days;
    }
    // The shown fields: name, cycle, subject and the date of the shown day.
    QString planName() const;
    QString cycle() const;
    QString subject() const;
    QString shownDate() const;
    const MenuGrid& grid() const
    {
        return m_grid;
    }

private:
    QLabel* addField(const QString& label, const QString& objectName);

    std::optional<MenuPlan> m_plan;
    MenuGrid m_grid;
    QLabel* m_name = nullptr;
    QLabel* m_cycle = nullptr;
    QLabel* m_subject = nullptr;
    QLabel* m_date = nullptr;
    QLabel* m_dayLabel;
    QComboBox* m_days;
    CListCtrlCl* m_list;
    QWidget* m_fields;
    bool m_switchingDay = false;
};

} // namespace pelinor
