#pragma once

#include "core/db/DataFolderCheck.h"

#include <QString>
#include <functional>

namespace pelinor {

// The data folder check between the program's start and the login. A sound folder passes without
// a word. Otherwise what is wrong goes to standard error, for whoever started the program from a
// terminal, and into one message box; the box offers 重试 beside 退出 when only another program's
// locks stand in the way, and 重试 checks the folder again.
class DataFolderGate
{
public:
    enum class Answer
    {
        Retry,
        Quit
    };
    // Shows the text to the user; `canRetry` offers 重试 beside 退出.
    using Asker = std::function<Answer(const QString& text, bool canRetry)>;

    // True when the program may go on to the login. Without an asker the text on standard error is
    // all the user gets and the program ends.
    static bool pass(DataFolderCheck check, const Asker& ask);

    // The message box.
    static Answer askWithMessageBox(const QString& text, bool canRetry);

    // The message box, but none where no one could see it (offscreen, as the tour and the
    // benchmarks run): there it would wait for a click forever.
    static Asker defaultAsker();
};

} // namespace pelinor
