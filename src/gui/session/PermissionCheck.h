#pragma once

#include "core/admin/PermissionFlags.h"

#include <QString>

namespace pelinor {

// The message every refused module or action shows.
QString noPermissionMessage();
// Tests the flags for a code (empty: always granted); a refusal shows the message with the
// application's title and returns false.
bool checkPermission(const PermissionFlags& flags, const QString& code);

} // namespace pelinor
