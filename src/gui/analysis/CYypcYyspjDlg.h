#pragma once

#include "gui/widgets/CSkinPage.h"

#include <QList>

class QPlainTextEdit;
class QTabWidget;

namespace pelinor {

class CListCtrlCl;
class CSymptomPage;
struct NutrientEvaluation;

// Tab "饮食营养素评价": twelve nutrients with reference, amount and percentage, one tab per graded
// nutrient with its excess or deficiency symptoms, and the advice sentence.
class CYypcYyspjDlg : public CSkinPage
{
    Q_OBJECT

public:
    explicit CYypcYyspjDlg(QWidget* parent = nullptr);

    void load(const NutrientEvaluation& evaluation);
    CListCtrlCl* list() const
    {
        return m_list;
    }
    QTabWidget* symptomTabs() const
    {
        return m_tabs;
    }
    CSymptomPage* symptomPage(int tab) const
    {
        return m_pages.value(tab);
    }
    QPlainTextEdit* evaluation() const
    {
        return m_evaluation;
    }

private:
    void showSymptoms(int tab);

    CListCtrlCl* m_list;
    QTabWidget* m_tabs;
    QList<CSymptomPage*> m_pages;
    QList<float> m_percentages;
    bool m_loaded = false;
    QPlainTextEdit* m_evaluation;
};

} // namespace pelinor
