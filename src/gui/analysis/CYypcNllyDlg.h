#pragma once

#include "gui/widgets/CSkinPage.h"

class QPlainTextEdit;

namespace pelinor {

class CListCtrlCl;
struct EnergySources;

// Tab "食物能量来源": the day's food by source class and by meal time against the meal-time shares,
// and a box for the nutritionist's own evaluation.
class CYypcNllyDlg : public CSkinPage
{
    Q_OBJECT

public:
    explicit CYypcNllyDlg(QWidget* parent = nullptr);

    // Fills the lists and starts the nutritionist's box afresh.
    void load(const EnergySources& sources);
    CListCtrlCl* sourceList() const
    {
        return m_sources;
    }
    CListCtrlCl* mealList() const
    {
        return m_meals;
    }
    QPlainTextEdit* evaluation() const
    {
        return m_evaluation;
    }

private:
    CListCtrlCl* m_sources;
    CListCtrlCl* m_meals;
    QPlainTextEdit* m_evaluation;
};

} // namespace pelinor
