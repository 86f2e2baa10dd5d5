#pragma once

#include "gui/widgets/CSkinPage.h"

class QPlainTextEdit;

namespace pelinor {

class CImageView;
class CListCtrlCl;
struct DietStructure;

// Tab "饮食结构评价": the grams of the nine food groups against their daily amounts, with the
// bar chart, the evaluation and advice.
class CYypcShjgpjDlg : public CSkinPage
{
    Q_OBJECT

public:
    explicit CYypcShjgpjDlg(QWidget* parent = nullptr);

    void load(const DietStructure& diet);
    CListCtrlCl* list() const
    {
        return m_list;
    }
    QPlainTextEdit* evaluation() const
    {
        return m_evaluation;
    }
    // "膳食结构柱状图": the nine groups' actual grams beside their daily amounts.
    CImageView* chart() const
    {
        return m_chart;
    }

private:
    CListCtrlCl* m_list;
    CImageView* m_chart;
    QPlainTextEdit* m_evaluation;
};

} // namespace pelinor
