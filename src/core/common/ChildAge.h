#pragma once

#include "core/common/Clock.h"

#include <optional>
#include <string>
#include <string_view>

namespace pelinor {

// A child's age in whole years and months, counted from the year and month of birth to the
// current year and month; the day of the month plays no part.
struct ChildAge
{
    int years = 0;
    int months = 0;

    int totalMonths() const
    {
        return years * 12 + months;
    }
};

// The age on `today` of a child born on `birth` ("%Y-%m-%d"); nothing when the birth date cannot
// be read.
std::optional<ChildAge> childAge(std::string_view birth, const DateTime& today);

// "2岁6月", "3岁", "7月"; a child of less than a month shows "1月".
std::string ageText(const ChildAge& age);

} // namespace pelinor
