#pragma once

#include "core/db/CppSQLite3Exception.h"

#include <QString>
#include <string>

namespace pelinor {

// Shows a database failure the one way the program shows it: the layer's message, OK only,
// the application's title as caption.
void showDatabaseError(const CppSQLite3Exception& failure);

// Runs one handler's database work; a CppSQLite3Exception is shown and the handler carries on.
// Returns false when the work failed, so the caller can stop instead of reporting success.
template <typename Work> bool runDatabaseWork(Work&& work)
{
    try {
        work();
        return true;
    } catch (const CppSQLite3Exception& failure) {
        showDatabaseError(failure);
        return false;
    }
}

// UTF-8 from core to the screen and back.
inline QString qs(const std::string& text)
{
    return QString::fromStdString(text);
}

inline std::string ss(const QString& text)
{
    return text.toStdString();
}

} // namespace pelinor
