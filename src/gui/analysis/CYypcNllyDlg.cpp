#include "gui/analysis/CYypcNllyDlg.h"

#include "core/analysis/EnergySources.h"
#include "core/common/MealSlot.h"
#include "gui/analysis/AnalysisPageParts.h"
#include "gui/widgets/CListCtrlCl.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace pelinor {

CYypcNllyDlg::CYypcNllyDlg(QWidget* parent)
    : CSkinPage(parent)
    , m_sources(analysisList(QStringLiteral("sourceList"), this))
    , m_meals(analysisList(QStringLiteral("mealList"), this))
    , m_evaluation(evaluationBox(QStringLiteral("energyEvaluation"), false, this))
{
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
        list->setFixedHeight(6 * CListCtrlCl::kSkinnedRowHeight + 16);
    }
    m_evaluation->setPlainText(QString::fromUtf8(std::string(kEnergySourcesPrompt)));

    auto* sourceCaption = new QHBoxLayout;
    sourceCaption->addWidget(sectionLabel(QStringLiteral("食物能量来源："), this));
    sourceCaption->addStretch();
    sourceCaption->addWidget(new QLabel(QStringLiteral("单位：g"), this));

    auto* lists = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addLayout(sourceCaption);
    left->addWidget(m_sources);
    auto* right = new QVBoxLayout;
    right->addWidget(sectionLabel(QStringLiteral("食物餐次比对："), this));
    right->addWidget(m_meals);
    lists->addLayout(left, 1);
    lists->addSpacing(16);
    lists->addLayout(right, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addLayout(lists);
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
    // What the nutritionist wrote belongs to the day analysed before.
    m_evaluation->setPlainText(QString::fromUtf8(std::string(kEnergySourcesPrompt)));
}

} // namespace pelinor
