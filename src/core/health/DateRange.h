#pragma once

#include <optional>
#include <string>

namespace pelinor {

// The period a health list covers: two dates "%Y-%m-%d", both included. Lists that take an
// optional range cover every date when it is not given.
struct DateRange
{
    std::string from;
    std::string to;

    bool operator==(const DateRange&) const = default;
};

using DateScope = std::optional<DateRange>;

// "时间：2026-11-01 到 2026-11-30", or "时间：全部" when every date counts.
std::string scopeText(const DateScope& scope);

} // namespace pelinor
