#include "gui/session/PermissionCheck.h"

#include "core/common/AppInfo.h"
#include "gui/widgets/Prompter.h"

namespace pelinor {

QString noPermissionMessage()
{
    return QStringLiteral("对不起！您没有操作该模块的权限！");
}

bool checkPermission(const PermissionFlags& flags, const QString& code)
{
    if (code.isEmpty() || flags.has(code.toStdString())) {
        return true;
    }
    prompter().info(noPermissionMessage(), QString::fromUtf8(kApplicationTitle));
    return false;
}

} // namespace pelinor
