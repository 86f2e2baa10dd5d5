#include "widgets/DatabaseError.h"

#include "common/AppInfo.h"
#include "widgets/Prompter.h"

namespace pelinor {

void showDatabaseError(const CppSQLite3Exception& failure)
{
    prompter().info(QString::fromStdString(failure.errorMessage()), QString::fromUtf8(kApplicationTitle));
}

} // namespace pelinor
