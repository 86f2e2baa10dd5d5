#include "gui/analysis/CAnalysisPrintPage.h"

#include "gui/analysis/AnalysisPageParts.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace pelinor {

CAnalysisPrintPage::CAnalysisPrintPage(QWidget* parent)
    : CSkinPage(parent)
    , m_text(evaluationBox(QStringLiteral("printText"), true, this))
{
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setTabStopDistance(96);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(m_text);
}

void CAnalysisPrintPage::setText(const QString& text)
{
    m_text->setPlainText(text);
}

QString CAnalysisPrintPage::text() const
{
    return m_text->toPlainText();
}

} // namespace pelinor
