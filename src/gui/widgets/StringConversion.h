#pragma once

#include <QString>
#include <string>

namespace pelinor {

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
