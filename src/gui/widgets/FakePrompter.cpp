#include "gui/widgets/FakePrompter.h"

#include <QStringList>

namespace pelinor {

void FakePrompter::info(const QString& text, const QString& caption)
{
    m_prompts.append({ Kind::Info, text, caption });
}

void FakePrompter::warn(const QString& text, const QString& caption)
{
    m_prompts.append({ Kind::Warn, text, caption });
}

void FakePrompter::error(const QString& text, const QString& caption)
{
    m_prompts.append({ Kind::Error, text, caption });
}

bool FakePrompter::confirm(const QString& text, const QString& caption)
{
    m_prompts.append({ Kind::Confirm, text, caption });
    return m_answers.isEmpty() ? m_defaultAnswer : m_answers.dequeue();
}

void FakePrompter::queueAnswer(bool ok)
{
    m_answers.enqueue(ok);
}

void FakePrompter::setDefaultAnswer(bool ok)
{
    m_defaultAnswer = ok;
}

const QList<FakePrompter::Prompt>& FakePrompter::prompts() const
{
    return m_prompts;
}

QStringList FakePrompter::texts() const
{
    QStringList result;
    for (const auto& prompt : m_prompts) {
        result << prompt.text;
    }
    return result;
}

QString FakePrompter::lastText() const
{
    return m_prompts.isEmpty() ? QString() : m_prompts.last().text;
}

QString FakePrompter::lastCaption() const
{
    return m_prompts.isEmpty() ? QString() : m_prompts.last().caption;
}

void FakePrompter::clear()
{
    m_prompts.clear();
    m_answers.clear();
}

} // namespace pelinor
