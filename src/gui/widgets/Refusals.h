#pragma once

#include "core/common/Outcome.h"

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

// A plain message of a screen with an optional caption (none: the application's title).
void showMessage(const QString& text, const QString& caption = {});

} // namespace pelinor
