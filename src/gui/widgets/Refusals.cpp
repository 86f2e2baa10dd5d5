#include "gui/widgets/Refusals.h"

#include "core/common/AppInfo.h"
#include "gui/widgets/Prompter.h"
#include "gui/widgets/StringConversion.h"

namespace pelinor {

void showRefusal(const Refusal& refusal)
{
    showMessage(qs(refusal.message), qs(refusal.caption));
}

void showMessage(const QString& text, const QString& caption)
{
    prompter().info(text, caption.isEmpty() ? QString::fromUtf8(kApplicationTitle) : caption);
}

} // namespace pelinor
