#pragma once

#include "gui/widgets/CSkinPage.h"

class QPlainTextEdit;

namespace pelinor {

class CImageView;
class CListCtrlCl;
struct MacronutrientRatios;

// Tab "三大营养素功能比": the sources of fat and of protein, the shares of carbohydrate, fat and
// protein against their reference shares with their bar chart, and the evaluation and advice.
class CYypcSdyysDlg : public CSkinPage
{
    Q_OBJECT

public:
    explicit CYypcSdyysDlg(QWidget* parent = nullptr);

    void load(const MacronutrientRatios& ratios);
    CListCtrlCl* fatList() const
    {
        return m_fat;
    }
    CListCtrlCl* proteinList() const
    {
        return m_protein;
    }
    CListCtrlCl* ratioList() const
    {
        return m_ratios;
    }
    QPlainTextEdit* evaluation() const
    {
        return m_evaluation;
    }
    // "三大营养素摄入柱状图": the three shares beside their reference shares.
    CImageView* chart() const
    {
        return m_chart;
    }

private:
    CListCtrlCl* m_fat;
    CListCtrlCl* m_protein;
    CListCtrlCl* m_ratios;
    CImageView* m_chart;
    QPlainTextEdit* m_evaluation;
};

} // namespace pelinor
