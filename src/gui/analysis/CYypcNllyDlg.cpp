#include "gui/analysis/CYypcNllyDlg.h"

#include "core/analysis/EnergySources.h"
#include "core/common/MealSlot.h"
#include "gui/analysis/AnalysisPageParts.h"
#include "gui/charts/CImageView.h"
#include "gui/widgets/CListCtrlCl.h"
#include "reports/charts/ChartLayouts.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace pelinor {

CYypcNllyDlg::CYypcNllyDlg(QWidget* parent)
    : CSkinPage(parent)
    , m_sources(analysisList(QStringLiteral("sourceList"), this))
    , m_meals(analysisList(QStringLiteral("mealList"), this))
    , m_mealChart(new CImageView(this))
    , m_sourceChart(new CImageView(this))
    , m_evaluation(evaluationBox(QStringLiteral("energyEvaluation"), false, this))
{
    m_mealChart->setObjectName(QStringLiteral("mealChart"));
    m_sourceChart->setObjectName(QStringLiteral("sourceChart"));
    m_mealChart->setGraph(pelinor::mealChart({}, { 20, 10, 30, 10, 30 }));
    m_sourceChart->setGraph(pelinor::sourcePie(std::array<int, 5> {}));
    m_evaluation->setMinimumHeight(70);

    m_sources->setColumns(rowTexts(kSourceListHeaders), { 120, 100, 0 });
    m_sources->setAlignmentString(QStringLiteral("022"));
    for (const char* source : { "谷薯类", "豆类", "植物性食物", "动物性食物", "纯热食物" }) {
        m_sources->appendRow({ QString::fromUtf8(source), QString(), QString() });
    }
    m_meals->setColumns(rowTexts(kMealListHeaders), { 120, 100, 0 });
    m_meals->setAlignmentString(QStringLiteral("022"));
    const char* const references[] = { "20%", "10%", "30%", "10%", "30%" };
    for (int m = 0; m < kMealSlotCount; ++m) {
        m_meals->appendRow({ QString::fromUtf8(std::string(kMealSlots[static_cast<std::size_t>(m)])), QString(),
            QString::fromLatin1(references[m]) });
    }
    for (CListCtrlCl* list : { m_sources, m_meals }) {
        list->setFixedHeight(6 * CListCtrlCl::kSkinnedRowHeight + 6);
        list->setMaximumWidth(480);
    }
    m_evaluation->setPlainText(QString::fromUtf8(std::string(kEnergySourcesPrompt)));

    auto* sourceCaption = new QHBoxLayout;
    sourceCaption->addWidget(sectionLabel(QStringLiteral("食物能量来源："), this));
    sourceCaption->addStretch();
    sourceCaption->addWidget(new QLabel(QStringLiteral("单位：g"), this));

    // The lists on the left, each with its chart beside it: the meal times' bars beside the meal
    // list, the sources' pie beside the sources list.
    auto* grid = new QGridLayout;
    grid->addLayout(sourceCaption, 0, 0);
    grid->addWidget(m_sources, 1, 0);
    grid->addWidget(m_sourceChart, 0, 1, 2, 1);
    auto* mealCaption = sectionLabel(QStringLiteral("食物餐次比对："), this);
    mealCaption->setContentsMargins(0, 8, 0, 0);
    grid->addWidget(mealCaption, 2, 0);
    grid->addWidget(m_meals, 3, 0);
    grid->addWidget(m_mealChart, 2, 1, 2, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(6);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addLayout(grid);
    layout->addSpacing(8);
    layout->addWidget(sectionLabel(QStringLiteral("评价与建议："), this));
    layout->addWidget(m_evaluation, 1);
}

void CYypcNllyDlg::load(const EnergySources& sources)
{
    for (int c = 0; c < kSourceClassCount; ++c) {
        const SourceShare& share = sources.sources[static_cast<std::size_t>(c)];
        m_sources->setItemText(c, 1, QString::fromStdString(share.gramsText));
        m_sources->setItemText(c, 2, QString::fromStdString(share.shareText));
    }
    for (int m = 0; m < kMealSlotCount; ++m) {
        m_meals->setItemText(m, 1, QString::fromStdString(sources.meals[static_cast<std::size_t>(m)].shareText));
    }
    m_mealChart->setGraph(pelinor::mealChart(sources));
    m_sourceChart->setGraph(pelinor::sourcePie(sources));
    // What the nutritionist wrote belongs to the day analysed before.
    m_evaluation->setPlainText(QString::fromUtf8(std::string(kEnergySourcesPrompt)));
}

} // namespace pelinor
