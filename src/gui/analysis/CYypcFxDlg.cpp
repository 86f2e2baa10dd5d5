#include "gui/analysis/CYypcFxDlg.h"

#include "core/common/AppInfo.h"
#include "gui/analysis/CAnalysisPrintPage.h"
#include "gui/analysis/CYypcNllyDlg.h"
#include "gui/analysis/CYypcSdyysDlg.h"
#include "gui/analysis/CYypcShjgpjDlg.h"
#include "gui/analysis/CYypcYyspjDlg.h"
#include "gui/analysis/CYypcYyybzbdDlg.h"
#include "gui/analysis/CYypcZpjDlg.h"
#include "gui/analysis/CYypcgyshl.h"
#include "gui/navigation/Navigator.h"
#include "gui/print/CPreParentDlg.h"
#include "gui/widgets/CPictureButton.h"
#include "gui/widgets/DatabaseError.h"
#include "gui/widgets/Refusals.h"
#include "reports/AnalysisReport.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QVBoxLayout>

namespace pelinor {

CYypcFxDlg::CYypcFxDlg(QWidget* parent)
    : CSkinPage(parent)
    , m_caption(new QLabel(this))
    , m_tabs(new QTabWidget(this))
    , m_content(new CYypcgyshl)
    , m_comparison(new CYypcYyybzbdDlg)
    , m_diet(new CYypcShjgpjDlg)
    , m_nutrients(new CYypcYyspjDlg)
    , m_energy(new CYypcNllyDlg)
    , m_ratios(new CYypcSdyysDlg)
    , m_overall(new CYypcZpjDlg)
    , m_print(new CAnalysisPrintPage)
    , m_back(makeActionButton(QStringLiteral(":/skin/sym-back.svg"), QStringLiteral("返回"), this))
{
    m_caption->setObjectName(QStringLiteral("analysisCaption"));
    m_tabs->setObjectName(QStringLiteral("analysisTabs"));
    m_tabs->addTab(m_content, QStringLiteral("各类营养素含量"));
    m_tabs->addTab(m_comparison, QStringLiteral("与营养标准比对"));
    m_tabs->addTab(m_diet, QStringLiteral("饮食结构评价"));
    m_tabs->addTab(m_nutrients, QStringLiteral("饮食营养素评价"));
    m_tabs->addTab(m_energy, QStringLiteral("食物能量来源"));
    m_tabs->addTab(m_ratios, QStringLiteral("三大营养素功能比"));
    m_tabs->addTab(m_overall, QStringLiteral("总评价"));
    m_tabs->addTab(m_print, QStringLiteral("打印"));
    m_back->setObjectName(QStringLiteral("backToMenuButton"));
    m_back->setAccessibleName(QStringLiteral("返回"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_back);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(m_caption);
    layout->addWidget(m_tabs, 1);
    layout->addLayout(buttons);

    connect(m_tabs, &QTabWidget::currentChanged, this, &CYypcFxDlg::tabChanged);
    connect(m_back, &QAbstractButton::clicked, this, &CYypcFxDlg::backToMenu);
    connect(m_print, &CAnalysisPrintPage::previewRequested, this, &CYypcFxDlg::previewReport);
}

bool CYypcFxDlg::openPlanDay(int planNumber, const QString& dayKey)
{
    if (AnalysePlanDay(planNumber, dayKey)) {
        return true;
    }
    showMessage(QStringLiteral("找不到这份配餐，它可能已被删除。"), QString::fromUtf8(kSystemPromptCaption));
    return false;
}

bool CYypcFxDlg::AnalysePlanDay(int planId, const QString& dayKey)
{
    // Nothing of the analysis before survives, even when this one fails part-way.
    m_analysis = PlanDayAnalysis {};
    runDatabaseWork([&] { m_analysis = pelinor::AnalysePlanDay(planId, ss(dayKey)); });
    m_content->load(m_analysis.content);
    m_comparison->load(m_analysis.comparison);
    m_diet->load(m_analysis.dietStructure);
    m_nutrients->load(m_analysis.nutrients);
    m_energy->load(m_analysis.energySources);
    m_ratios->load(m_analysis.macronutrients);
    m_overall->clear();
    const AnalysedPlan& plan = m_analysis.plan;
    m_caption->setText(plan.found
            ? QStringLiteral("配餐名称：%1　　配餐对象：%2　　%3　%4")
                  .arg(qs(plan.name), qs(m_analysis.subject.subjects), qs(plan.dayKey), qs(plan.dayDate))
            : QString());
    m_tabs->setCurrentIndex(ContentTab);
    return m_analysis.plan.found;
}

QString CYypcFxDlg::energySourcesEvaluation() const
{
    return m_energy->evaluation()->toPlainText();
}

QString CYypcFxDlg::overallEvaluation() const
{
    return m_overall->text();
}

Report CYypcFxDlg::analysisReport() const
{
    if (!m_analysis.plan.found) {
        return Report {};
    }
    return makeAnalysisReport({ m_analysis, energySourcesEvaluation(), overallEvaluation() });
}

void CYypcFxDlg::previewReport()
{
    const Report report = analysisReport();
    if (!report.isEmpty()) {
        CPreParentDlg::preview(this, report);
    }
}

void CYypcFxDlg::tabChanged(int tab)
{
    if (tab == PrintTab) {
        previewReport();
    }
}

void CYypcFxDlg::backToMenu()
{
    navigator().showPage(PageId::MenuView);
}

} // namespace pelinor
