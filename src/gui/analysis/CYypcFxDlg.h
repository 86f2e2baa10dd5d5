#pragma once

#include "core/analysis/PlanDayAnalysis.h"
#include "gui/navigation/PageOpeners.h"
#include "gui/widgets/CSkinPage.h"
#include "reports/Report.h"

class QLabel;
class QTabWidget;

namespace pelinor {

class CAnalysisPrintPage;
class CPictureButton;
class CYypcNllyDlg;
class CYypcSdyysDlg;
class CYypcShjgpjDlg;
class CYypcYyspjDlg;
class CYypcYyybzbdDlg;
class CYypcZpjDlg;
class CYypcgyshl;

// The nutrition analysis (page 10): one day of one saved plan, in eight tabs, with a back button
// to the menu view. Every analysis replaces everything the tabs showed, the nutritionist's texts
// included. The menu view opens it through the navigator's openAnalysis(plan, day).
class CYypcFxDlg : public CSkinPage, public PlanDayOpener
{
    Q_OBJECT

public:
    enum Tab
    {
        ContentTab,
        ComparisonTab,
        DietStructureTab,
        NutrientTab,
        EnergySourcesTab,
        MacronutrientTab,
        OverallTab,
        PrintTab,
    };

    explicit CYypcFxDlg(QWidget* parent = nullptr);

    // What the navigator's openAnalysis calls: the analysis of the day, or a message and false when
    // the plan is gone.
    bool openPlanDay(int planNumber, const QString& dayKey) override;

    // Analyses the day `dayKey` ("一天", "周一" … "周五"; empty: the plan's first day) of plan
    // `planId` and shows tab 0. False when there is no such plan (the tabs are then empty).
    bool AnalysePlanDay(int planId, const QString& dayKey);
    // The last analysis, as the tabs show it and the printed report prints it.
    const PlanDayAnalysis& analysis() const
    {
        return m_analysis;
    }
    // What the nutritionist typed on the energy-sources tab and on the overall tab.
    QString energySourcesEvaluation() const;
    QString overallEvaluation() const;
    // The printed report "营养配餐报告" of the last analysis with the nutritionist's texts as they
    // stand now; empty when no plan was analysed.
    Report analysisReport() const;
    // Opens the report in the print preview (the print tab does this when it is chosen).
    void previewReport();

    // The line above the tabs that names the plan, its subject and the day.
    QLabel* caption() const
    {
        return m_caption;
    }
    QTabWidget* tabs() const
    {
        return m_tabs;
    }
    CYypcgyshl* contentPage() const
    {
        return m_content;
    }
    CYypcYyybzbdDlg* comparisonPage() const
    {
        return m_comparison;
    }
    CYypcShjgpjDlg* dietStructurePage() const
    {
        return m_diet;
    }
    CYypcYyspjDlg* nutrientPage() const
    {
        return m_nutrients;
    }
    CYypcNllyDlg* energySourcesPage() const
    {
        return m_energy;
    }
    CYypcSdyysDlg* macronutrientPage() const
    {
        return m_ratios;
    }
    CYypcZpjDlg* overallPage() const
    {
        return m_overall;
    }
    CAnalysisPrintPage* printPage() const
    {
        return m_print;
    }

    void backToMenu();

private:
    void tabChanged(int tab);

    QLabel* m_caption;
    QTabWidget* m_tabs;
    CYypcgyshl* m_content;
    CYypcYyybzbdDlg* m_comparison;
    CYypcShjgpjDlg* m_diet;
    CYypcYyspjDlg* m_nutrients;
    CYypcNllyDlg* m_energy;
    CYypcSdyysDlg* m_ratios;
    CYypcZpjDlg* m_overall;
    CAnalysisPrintPage* m_print;
    CPictureButton* m_back;
    PlanDayAnalysis m_analysis;
};

} // namespace pelinor
