#pragma once

#include "gui/widgets/CSkinPage.h"

class QPlainTextEdit;

namespace pelinor {

class CListCtrlCl;
struct MacronutrientRatios;

// Tab "三大营养素功能比": the sources of fat and of protein, the shares of carbohydrate, fat and
// protein against their reference shares, and the evaluation and advice.
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

private:
    CListCtrlCl* m_fat;
    CListCtrlCl* m_protein;
    CListCtrlCl* m_ratios;
    QPlainTextEdit* m_evaluation;
};

} // namespace pelinor
