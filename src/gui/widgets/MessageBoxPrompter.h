#pragma once

#include "gui/widgets/Prompter.h"

namespace pelinor {

// The program's prompter: modal message boxes over the active window.
class MessageBoxPrompter : public Prompter
{
public:
    void info(const QString& text, const QString& caption) override;
    void warn(const QString& text, const QString& caption) override;
    void error(const QString& text, const QString& caption) override;
    bool confirm(const QString& text, const QString& caption) override;
    bool askYesNo(const QString& text, const QString& caption) override;
};

} // namespace pelinor
