#pragma once

#include "core/common/Outcome.h"
#include "core/health/DateRange.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace pelinor {

// The kinds of attendance event, in the order of the entry dialog and of the statistics columns.
inline constexpr int kAttendanceKindCount = 5;
inline constexpr std::array<std::string_view, kAttendanceKindCount> kAttendanceKinds { "迟到", "早退", "病假", "事假",
    "其他" };

// The position of a kind in kAttendanceKinds; -1 for any other text.
int attendanceKindIndex(std::string_view kind);

// What the entry dialog registers: one event of one child on one day.
struct AttendanceEntry
{
    std::string date; // "%Y-%m-%d"
    std::string className;
    std::string name;
    std::string archId;
    std::string kind; // one of kAttendanceKinds
    std::string remark;
};

// Stores the event and gives its number. Refuses an event without a class or a child, and the
// same kind for the same child on the same day again ("该信息已经存在！").
Outcome<int> registerAttendance(const AttendanceEntry& entry);

// One child's counts, by kind in kAttendanceKinds order.
struct AttendanceCount
{
    std::string archId;
    std::string name;
    std::array<int, kAttendanceKindCount> counts {};

    bool operator==(const AttendanceCount&) const = default;
};

// The counts of the children of a class, in the stored order of the archives, over the range
// (both ends included) or over every date. A child without a counted event has no line; an event
// of an unknown kind is not counted.
std::vector<AttendanceCount> attendanceStatistics(const std::string& className, const DateScope& scope);

// One event in the detail list.
struct AttendanceEvent
{
    int id = 0;
    std::string date;
    std::string kind;
    std::string remark;

    bool operator==(const AttendanceEvent&) const = default;
};

// The events of one child held under the class, over the same scope as the statistics, by date.
std::vector<AttendanceEvent> attendanceEvents(
    const std::string& className, const std::string& archId, const DateScope& scope);

// Deletes the event with this number, together with any copy of it (the same kind for the same
// child, class and day), which the entry dialog never lets in but an imported file may hold.
void deleteAttendanceEvent(int id);

} // namespace pelinor
