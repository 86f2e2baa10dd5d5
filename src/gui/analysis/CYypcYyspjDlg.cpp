#include "gui/analysis/CYypcYyspjDlg.h"

#include "core/analysis/NutrientEvaluation.h"
#include "gui/analysis/AnalysisPageParts.h"
#include "gui/knowledge/CSymptomPage.h"
#include "gui/widgets/CListCtrlCl.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QVBoxLayout>

namespace pelinor {

namespace {

// The nutrients with a symptom tab, in tab order: every graded nutrient but the energy.
const char* const kTabNutrients[]
    = { "蛋白质", "碳水化合物", "脂肪", "维生素B6", "维生素C", "维生素E", "钙", "铁", "锌", "硒", "钠" };

} // namespace

CYypcYyspjDlg::CYypcYyspjDlg(QWidget* parent)
    : CSkinPage(parent)
    , m_list(analysisList(QStringLiteral("nutrientList"), this))
    , m_tabs(new QTabWidget(this))
    , m_evaluation(evaluationBox(QStringLiteral("nutrientEvaluation"), true, this))
{
    const QStringList titles = rowTexts(kNutrientEvaluationHeaders);
    m_list->setColumns(titles, headerWidths(m_list, titles, 72));
    m_list->setAlignmentString(QStringLiteral("0") + QString(kEvaluatedNutrientCount, QLatin1Char('1')));
    for (const char* row : { "参考量", "实际量", "占参考量比" }) {
        m_list->appendRow(QStringList { QString::fromUtf8(row) } + QStringList(kEvaluatedNutrientCount, QString()));
    }
    m_list->setFixedHeight(4 * CListCtrlCl::kSkinnedRowHeight + 16);

    m_tabs->setObjectName(QStringLiteral("symptomTabs"));
    for (const char* nutrient : kTabNutrients) {
        auto* page = new CSymptomPage(QString::fromUtf8(nutrient), m_tabs);
        m_tabs->addTab(page, QString::fromUtf8(nutrient));
        m_pages.append(page);
        m_percentages.append(0.0f);
    }
    m_evaluation->setFixedHeight(72);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(sectionLabel(QStringLiteral("营养素数据对比："), this));
    layout->addWidget(m_list);
    layout->addWidget(sectionLabel(QStringLiteral("营养素过量与缺乏："), this));
    layout->addWidget(m_tabs, 1);
    layout->addWidget(sectionLabel(QStringLiteral("评价与建议："), this));
    layout->addWidget(m_evaluation);

    connect(m_tabs, &QTabWidget::currentChanged, this, &CYypcYyspjDlg::showSymptoms);
}

void CYypcYyspjDlg::load(const NutrientEvaluation& evaluation)
{
    for (int n = 0; n < kEvaluatedNutrientCount; ++n) {
        const EvaluatedNutrient& nutrient = evaluation.nutrients[static_cast<std::size_t>(n)];
        m_list->setItemText(0, n + 1, QString::fromStdString(nutrient.referenceText));
        m_list->setItemText(1, n + 1, QString::fromStdString(nutrient.actualText));
        m_list->setItemText(2, n + 1, QString::fromStdString(nutrient.percentText));
        if (n > 0) {
            m_tabs->setTabText(n - 1, QString::fromStdString(nutrient.tabCaption));
            m_percentages[n - 1] = nutrient.percentage;
        }
    }
    m_evaluation->setPlainText(QString::fromStdString(evaluation.text));
    m_loaded = true;
    // The pages of the other tabs follow when they are chosen.
    showSymptoms(m_tabs->currentIndex());
}

void CYypcYyspjDlg::showSymptoms(int tab)
{
    if (m_loaded && tab >= 0 && tab < m_pages.size()) {
        m_pages[tab]->ShowForRatio(m_percentages[tab]);
    }
}

} // namespace pelinor
