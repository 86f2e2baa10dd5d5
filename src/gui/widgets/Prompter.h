#pragma once

#include <QString>
#include <memory>

namespace pelinor {

// Every message box and question of the program goes through one Prompter, so that tests can
// answer questions and read messages without a window ever being shown.
class Prompter
{
public:
    virtual ~Prompter() = default;

    virtual void info(const QString& text, const QString& caption) = 0;
    virtual void warn(const QString& text, const QString& caption) = 0;
    virtual void error(const QString& text, const QString& caption) = 0;
    // OK/Cancel question; true for OK.
    virtual bool confirm(const QString& text, const QString& caption) = 0;
    // Yes/No question with No as the default button; true for Yes. Answered like confirm() where a
    // prompter does not tell the two apart (the tests' fake).
    virtual bool askYesNo(const QString& text, const QString& caption)
    {
        return confirm(text, caption);
    }
};

// The prompter the screens use: message boxes unless a test installed another one.
Prompter& prompter();
// Installs a prompter (nullptr restores the message boxes); returns the one it replaces.
std::shared_ptr<Prompter> setPrompter(std::shared_ptr<Prompter> replacement);

// Installs a prompter for the lifetime of the object and puts the previous one back afterwards.
class ScopedPrompter
{
public:
    explicit ScopedPrompter(std::shared_ptr<Prompter> replacement);
    ~ScopedPrompter();
    ScopedPrompter(const ScopedPrompter&) = delete;
    ScopedPrompter& operator=(const ScopedPrompter&) = delete;

private:
    std::shared_ptr<Prompter> m_previous;
};

} // namespace pelinor
