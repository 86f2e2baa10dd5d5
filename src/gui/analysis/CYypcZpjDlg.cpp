#include "gui/analysis/CYypcZpjDlg.h"

#include "gui/analysis/AnalysisPageParts.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace pelinor {

CYypcZpjDlg::CYypcZpjDlg(QWidget* parent)
    : CSkinPage(parent)
    , m_editor(evaluationBox(QStringLiteral("overallEvaluation"), false, this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(sectionLabel(QStringLiteral("营养师综合评价与建议："), this));
    layout->addWidget(m_editor, 1);
}

void CYypcZpjDlg::clear()
{
    m_editor->clear();
}

QString CYypcZpjDlg::text() const
{
    return m_editor->toPlainText();
}

} // namespace pelinor
