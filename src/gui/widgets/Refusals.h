#pragma once

#include "core/common/Outcome.h"
#include "gui/widgets/DatabaseError.h"

#include <QString>

namespace pelinor {

// Shows why a change was refused: its message under its caption (none of its own: the
// application's title). The one way every screen shows a refusal from core.
void showRefusal(const Refusal& refusal);

// Shows the refusal of an outcome; an outcome that went through shows nothing.
template <typename T> void showRefusal(const Outcome<T>& outcome)
{
    if (!outcome.ok()) {
        showRefusal(outcome.refusal());
    }
}

// Runs a change that core may refuse. A database failure or a refusal is shown and gives
// nothing; a change that went through gives its outcome (and with it the value it carries).
template <typename Work> auto runChange(Work&& work) -> std::optional<std::invoke_result_t<Work>>
{
    auto outcome = runDatabaseWork(std::forward<Work>(work));
    if (outcome && !outcome->ok()) {
        showRefusal(*outcome);
        return std::nullopt;
    }
    return outcome;
}

// A plain message of a screen with an optional caption (none: the application's title).
void showMessage(const QString& text, const QString& caption = {});

} // namespace pelinor
