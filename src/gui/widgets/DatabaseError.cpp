#include "gui/widgets/DatabaseError.h"

#include "core/common/AppInfo.h"
#include "gui/widgets/Prompter.h"

namespace pelinor {

void showDatabaseError(const CppSQLite3Exception& failure)
{
    prompter().info(QString::fromStdString(failure.errorMessage()), QString::fromUtf8(kApplicationTitle));
}

} // namespace pelinor
