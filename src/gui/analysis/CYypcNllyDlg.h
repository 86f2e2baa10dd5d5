#pragma once

#include "gui/widgets/CSkinPage.h"

class QPlainTextEdit;

namespace pelinor {

class CImageView;
class CListCtrlCl;
struct EnergySources;

// Tab "食物能量来源": the day's food by source class and by meal time against the meal-time shares,
// their charts, and a box for the nutritionist's own evaluation.
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
    // The meal times' shares against their references, and the pie of the source shares.
    CImageView* mealChart() const
    {
        return m_mealChart;
    }
    CImageView* sourceChart() const
    {
        return m_sourceChart;
    }

private:
    CListCtrlCl* m_sources;
    CListCtrlCl* m_meals;
    CImageView* m_mealChart;
    CImageView* m_sourceChart;
    QPlainTextEdit* m_evaluation;
};

} // namespace pelinor
