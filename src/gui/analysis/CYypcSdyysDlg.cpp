#include "gui/analysis/CYypcSdyysDlg.h"

#include "core/analysis/MacronutrientRatios.h"
#include "gui/analysis/AnalysisPageParts.h"
#include "gui/charts/CImageView.h"
#include "gui/widgets/CListCtrlCl.h"
#include "reports/charts/ChartLayouts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace pelinor {

namespace {

void addRows(CListCtrlCl* list, std::initializer_list<const char*> names, int columns)
{
    for (const char* name : names) {
        list->appendRow(QStringList { QString::fromUtf8(name) } + QStringList(columns - 1, QString()));
    }
    list->setFixedHeight((static_cast<int>(names.size()) + 1) * CListCtrlCl::kSkinnedRowHeight + 6);
}

QVBoxLayout* captioned(const QString& caption, QWidget* widget, QWidget* parent)
{
    auto* column = new QVBoxLayout;
    column->addWidget(sectionLabel(caption, parent));
    column->addWidget(widget);
    return column;
}

} // namespace

CYypcSdyysDlg::CYypcSdyysDlg(QWidget* parent)
    : CSkinPage(parent)
    , m_fat(analysisList(QStringLiteral("fatList"), this))
    , m_protein(analysisList(QStringLiteral("proteinList"), this))
    , m_ratios(analysisList(QStringLiteral("ratioList"), this))
    , m_chart(new CImageView(this))
    , m_evaluation(evaluationBox(QStringLiteral("ratioEvaluation"), false, this))
{
    m_chart->setObjectName(QStringLiteral("ratioChart"));
    m_chart->setGraph(macronutrientChart({}, { 65, 30, 20 }));
    m_evaluation->setMinimumHeight(50);
    m_evaluation->setMaximumHeight(80);
    m_fat->setColumns(rowTexts(kFatListHeaders), { 130, 0 });
    m_fat->setAlignmentString(QStringLiteral("02"));
    addRows(m_fat, { "动物性脂肪", "植物性脂肪" }, 2);
    m_protein->setColumns(rowTexts(kProteinListHeaders), { 150, 0 });
    m_protein->setAlignmentString(QStringLiteral("02"));
    addRows(m_protein, { "谷薯类蛋白质", "豆类蛋白质", "动物性蛋白质", "其他食物蛋白质", "优质蛋白质所占比例" }, 2);
    m_ratios->setColumns(rowTexts(kRatioListHeaders), { 90, 80, 0 });
    m_ratios->setAlignmentString(QStringLiteral("022"));
    addRows(m_ratios, { "碳水化合物", "脂肪", "蛋白质" }, 3);
    const char* const references[] = { "55%-65%", "20%-30%", "15%-20%" };
    for (int row = 0; row < 3; ++row) {
        m_ratios->setItemText(row, 2, QString::fromLatin1(references[row]));
    }

    // The three lists side by side, so the chart keeps the room below them.
    auto* lists = new QHBoxLayout;
    const auto column = [&](const QString& caption, CListCtrlCl* list) {
        auto* box = captioned(caption, list, this);
        box->addStretch();
        lists->addLayout(box, 1);
    };
    column(QStringLiteral("脂肪来源分布："), m_fat);
    lists->addSpacing(12);
    column(QStringLiteral("蛋白质来源分布："), m_protein);
    lists->addSpacing(12);
    column(QStringLiteral("三大营养素摄入比例："), m_ratios);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addLayout(lists);
    layout->addWidget(sectionLabel(QStringLiteral("三大营养素摄入柱状图："), this));
    layout->addWidget(m_chart, 3);
    layout->addSpacing(12);
    layout->addWidget(sectionLabel(QStringLiteral("评价与建议："), this));
    layout->addWidget(m_evaluation, 1);
}

void CYypcSdyysDlg::load(const MacronutrientRatios& ratios)
{
    for (int row = 0; row < 2; ++row) {
        m_fat->setItemText(row, 1, QString::fromStdString(ratios.fatSources[static_cast<std::size_t>(row)].shareText));
    }
    for (int row = 0; row < 5; ++row) {
        m_protein->setItemText(
            row, 1, QString::fromStdString(ratios.proteinSources[static_cast<std::size_t>(row)].shareText));
    }
    for (int row = 0; row < 3; ++row) {
        m_ratios->setItemText(
            row, 1, QString::fromStdString(ratios.macronutrients[static_cast<std::size_t>(row)].shareText));
    }
    m_chart->setGraph(macronutrientChart(ratios));
    m_evaluation->setPlainText(QString::fromStdString(ratios.text));
}

} // namespace pelinor
