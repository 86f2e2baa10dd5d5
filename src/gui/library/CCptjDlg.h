#pragma once

#include "gui/widgets/CSkinPage.h"

class QComboBox;

namespace pelinor {

class CListCtrlCl;

// The meal-time dish table: the dishes and foods recommended for each meal time, which the plan
// editor offers for a double-click. Rows are edited and deleted by their own number.
class CCptjDlg : public CSkinPage
{
    Q_OBJECT

public:
    explicit CCptjDlg(QWidget* parent = nullptr);

    QComboBox* mealCombo() const;
    CListCtrlCl* itemList() const;

public slots:
    // Lists the items of the meal time chosen on the page, the last stored first.
    void showMealTimeItems();
    void onAdd();
    void onEditWeight();
    void onDelete();

private:
    QComboBox* m_meal;
    CListCtrlCl* m_list;
};

} // namespace pelinor
