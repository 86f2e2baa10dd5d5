#include "gui/analysis/CYypcSdyysDlg.h"

#include "core/analysis/MacronutrientRatios.h"
#include "gui/analysis/AnalysisPageParts.h"
#include "gui/widgets/CListCtrlCl.h"

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
    list->setFixedHeight((static_cast<int>(names.size()) + 1) * CListCtrlCl::kSkinnedRowHeight + 16);
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
    , m_evaluation(evaluationBox(QStringLiteral("ratioEvaluation"), false, this))
{
    m_fat->setColumns(rowTexts(kFatListHeaders), { 130, 0 });
    m_fat->setAlignmentString(QStringLiteral("02"));
    addRows(m_fat, { "动物性脂肪", "植物性脂肪" }, 2);
    m_protein->setColumns(rowTexts(kProteinListHeaders), { 150, 0 });
    m_protein->setAlignmentString(QStringLiteral("02"));
    addRows(m_protein, { "谷薯类蛋白质", "豆类蛋白质", "动物性蛋白质", "其他食物蛋白质", "优质蛋白质所占比例" }, 2);
    m_ratios->setColumns(rowTexts(kRatioListHeaders), { 110, 90, 0 });
    m_ratios->setAlignmentString(QStringLiteral("022"));
    addRows(m_ratios, { "碳水化合物", "脂肪", "蛋白质" }, 3);
    const char* const references[] = { "55%-65%", "20%-30%", "15%-20%" };
    for (int row = 0; row < 3; ++row) {
        m_ratios->setItemText(row, 2, QString::fromLatin1(references[row]));
    }

    auto* lists = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addLayout(captioned(QStringLiteral("脂肪来源分布："), m_fat, this));
    left->addLayout(captioned(QStringLiteral("三大营养素摄入比例："), m_ratios, this));
    left->addStretch();
    lists->addLayout(left, 1);
    lists->addSpacing(16);
    auto* right = captioned(QStringLiteral("蛋白质来源分布："), m_protein, this);
    right->addStretch();
    lists->addLayout(right, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addLayout(lists);
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
    m_evaluation->setPlainText(QString::fromStdString(ratios.text));
}

} // namespace pelinor
