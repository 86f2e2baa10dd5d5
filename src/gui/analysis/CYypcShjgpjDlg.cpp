#include "gui/analysis/CYypcShjgpjDlg.h"

#include "core/analysis/DietStructure.h"
#include "gui/analysis/AnalysisPageParts.h"
#include "gui/charts/CImageView.h"
#include "gui/widgets/CListCtrlCl.h"
#include "reports/charts/ChartLayouts.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace pelinor {

CYypcShjgpjDlg::CYypcShjgpjDlg(QWidget* parent)
    : CSkinPage(parent)
    , m_list(analysisList(QStringLiteral("dietList"), this))
    , m_chart(new CImageView(this))
    , m_evaluation(evaluationBox(QStringLiteral("dietEvaluation"), true, this))
{
    m_chart->setObjectName(QStringLiteral("dietChart"));
    // Before the first analysis: the daily amounts and nothing eaten.
    m_chart->setGraph(foodGroupChart({}, { 300, 400, 100, 50, 25, 50, 50, 100, 25 }));
    m_evaluation->setMinimumHeight(70);
    m_evaluation->setMaximumHeight(100);
    m_list->setColumns(rowTexts(kDietStructureHeaders));
    m_list->setAlignmentString(QStringLiteral("0111111111"));
    QStringList references { QStringLiteral("参考量") };
    for (const char* amount : { "300", "400", "100", "50", "25", "50", "50", "100", "25" }) {
        references << QString::fromLatin1(amount);
    }
    m_list->appendRow(references);
    m_list->appendRow(QStringList { QStringLiteral("实际量") } + QStringList(kFoodGroupCount, QString()));
    m_list->setFixedHeight(3 * CListCtrlCl::kSkinnedRowHeight + 12);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(sectionLabel(QStringLiteral("食物种类对比："), this));
    layout->addWidget(m_list);
    layout->addSpacing(8);
    layout->addWidget(sectionLabel(QStringLiteral("膳食结构柱状图："), this));
    layout->addWidget(m_chart, 3);
    layout->addSpacing(12);
    layout->addWidget(sectionLabel(QStringLiteral("评价与建议："), this));
    layout->addWidget(m_evaluation, 1);
}

void CYypcShjgpjDlg::load(const DietStructure& diet)
{
    for (int g = 0; g < kFoodGroupCount; ++g) {
        m_list->setItemText(1, g + 1, QString::fromStdString(diet.groups[static_cast<std::size_t>(g)].actualText));
    }
    m_chart->setGraph(foodGroupChart(diet));
    m_evaluation->setPlainText(QString::fromStdString(diet.text));
}

} // namespace pelinor
