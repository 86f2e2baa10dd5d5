#include "gui/analysis/CAnalysisPrintPage.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace pelinor {

CAnalysisPrintPage::CAnalysisPrintPage(QWidget* parent)
    : CSkinPage(parent)
    , m_preview(new QPushButton(QStringLiteral("打印预览"), this))
{
    m_preview->setObjectName(QStringLiteral("reportPreviewButton"));
    auto* note = new QLabel(QStringLiteral("营养配餐报告共四页：配餐对象与每日配餐信息、食物种类与营养素比较、"
                                           "能量与蛋白质来源、三大营养素比例与营养师综合评价。\n"
                                           "在打印预览中可以翻页、打印或导出PDF。"),
        this);
    note->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->addWidget(note);
    layout->addSpacing(12);
    layout->addWidget(m_preview, 0, Qt::AlignLeft);
    layout->addStretch();
    connect(m_preview, &QPushButton::clicked, this, &CAnalysisPrintPage::previewRequested);
}

} // namespace pelinor
