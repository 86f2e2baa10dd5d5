#include "gui/knowledge/CSymptomPage.h"

#include "core/knowledge/NutrientKnowledge.h"
#include "gui/widgets/DatabaseError.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace pelinor {

CSymptomPage::CSymptomPage(const QString& nutrientName, QWidget* parent)
    : QWidget(parent)
    , m_nutrientName(nutrientName)
    , m_box(new QPlainTextEdit(this))
{
    m_box->setReadOnly(true);
    m_box->setObjectName(QStringLiteral("symptomBox"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_box);
}

void CSymptomPage::ShowForRatio(float percentage)
{
    std::optional<std::string> symptoms;
    if (runDatabaseWork([&] { symptoms = symptomText(ss(m_nutrientName), percentage); }) && symptoms) {
        m_box->setPlainText(qs(*symptoms));
    }
}

QString CSymptomPage::text() const
{
    return m_box->toPlainText();
}

} // namespace pelinor
