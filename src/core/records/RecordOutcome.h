#pragma once

#include "core/common/Outcome.h"

#include <string>
#include <utility>

namespace pelinor {

// What a records action tells its screen: nothing when it went through, otherwise the message to
// show (and its caption; empty means the program's own title). A refused action changed nothing.
struct RecordOutcome
{
    std::string message;
    std::string caption;

    bool ok() const
    {
        return message.empty();
    }

    static RecordOutcome done()
    {
        return {};
    }
    static RecordOutcome refused(std::string message, std::string caption = {})
    {
        return { std::move(message), std::move(caption) };
    }

    Refusal refusal() const
    {
        return { message, caption };
    }
};

} // namespace pelinor
