#include "gui/admin/InterruptedRestore.h"

#include "core/admin/Backups.h"
#include "core/common/AppInfo.h"
#include "gui/widgets/DatabaseError.h"
#include "gui/widgets/Prompter.h"
#include "gui/widgets/Refusals.h"

namespace pelinor {

void finishInterruptedRestore()
{
    const auto finished = runDatabaseWork([] { return Backups::finishInterruptedRestore(); });
    if (!finished || !*finished) {
        return;
    }
    const Outcome<>& outcome = **finished;
    if (!outcome.ok()) {
        showRefusal(outcome);
        return;
    }
    prompter().info(QStringLiteral("上次的数据库还原没有完成，现已还原完毕。"), qs(kSystemPromptCaption));
}

} // namespace pelinor
