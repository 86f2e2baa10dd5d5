#include "core/health/DateRange.h"

namespace pelinor {

std::string scopeText(const DateScope& scope)
{
    if (!scope) {
        return "时间：全部";
    }
    return "时间：" + scope->from + " 到 " + scope->to;
}

} // namespace pelinor
