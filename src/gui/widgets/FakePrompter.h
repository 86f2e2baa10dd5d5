#pragma once

#include "gui/widgets/Prompter.h"

#include <QList>
#include <QQueue>
#include <QString>

namespace pelinor {

// A prompter for tests: it shows nothing, records every message in order and answers questions
// from a queue (then with the default answer, OK unless changed).
class FakePrompter : public Prompter
{
public:
    enum class Kind
    {
        Info,
        Warn,
        Error,
        Confirm
    };

    struct Prompt
    {
        Kind kind;
        QString text;
        QString caption;
    };

    void info(const QString& text, const QString& caption) override;
    void warn(const QString& text, const QString& caption) override;
    void error(const QString& text, const QString& caption) override;
    bool confirm(const QString& text, const QString& caption) override;

    void queueAnswer(bool ok);
    void setDefaultAnswer(bool ok);

    const QList<Prompt>& prompts() const;
    // The texts alone, in order: what most tests compare.
    QStringList texts() const;
    // The last prompt's text, or an empty string when nothing was shown.
    QString lastText() const;
    QString lastCaption() const;
    void clear();

private:
    QList<Prompt> m_prompts;
    QQueue<bool> m_answers;
    bool m_defaultAnswer = true;
};

} // namespace pelinor
