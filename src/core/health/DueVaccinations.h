#pragma once

#include "core/common/CalendarDate.h"

#include <string>
#include <vector>

namespace pelinor {

// A vaccine a child is due for: the child is inside the vaccine's window of months of age and has
// no vaccination of it.
struct DueVaccination
{
    std::string archId;
    std::string name;
    std::string gender;
    std::string birth;
    std::string vaccine;
    std::string windowStart; // the first day of the window, "%Y-%m-%d"
    std::string windowEnd; // the last day of the window

    bool operator==(const DueVaccination&) const = default;
};

// The window of a vaccine given from month `startMonth` to month `endMonth` of age, for a child
// born on `birth`: from the day the child reaches `startMonth` months to the day before it reaches
// `endMonth` + 1 months (the whole last month of age counts).
struct VaccinationWindow
{
    CalendarDate first;
    CalendarDate last;
};
VaccinationWindow vaccinationWindow(const CalendarDate& birth, int startMonth, int endMonth);

// The vaccines due on `today` for the children of a class, child by child in the stored order of
// the archives and vaccine by vaccine in catalogue order. A vaccination of the vaccine under any
// class counts. Children without a readable birth date and vaccines without both months are
// passed over.
std::vector<DueVaccination> dueVaccinations(const std::string& className, const CalendarDate& today);

} // namespace pelinor
