#pragma once

#include "core/common/AppInfo.h"
#include "core/common/Outcome.h"

#include <string>

namespace pelinor {

// What a change to the food or dish library came to. A refusal carries the message for the user
// (and its caption; empty means the application's title) and changed nothing.
struct LibraryOutcome
{
    std::string message; // empty when the change was made
    std::string caption;
    int id = 0; // the record the change concerned (a food's category, a new dish ...), where it matters

    bool done() const
    {
        return message.empty();
    }

    static LibraryOutcome refused(std::string message, std::string caption = {})
    {
        return { std::move(message), std::move(caption), 0 };
    }
    static LibraryOutcome made(int id = 0)
    {
        return { {}, {}, id };
    }

    Refusal refusal() const
    {
        return { message, caption };
    }
};

} // namespace pelinor
