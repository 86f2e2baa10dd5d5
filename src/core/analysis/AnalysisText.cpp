#include "core/analysis/AnalysisText.h"

#include "core/common/CalendarDate.h"

#include <cstdio>

namespace pelinor {

CellColour colourOf(Grade grade)
{
    switch (grade) {
    case Grade::Insufficient:
        return CellColour::Blue;
    case Grade::Excess:
        return CellColour::Red;
    case Grade::Normal:
        break;
    }
    return CellColour::Black;
}

std::string_view gradeWord(Grade grade)
{
    switch (grade) {
    case Grade::Insufficient:
        return "不足";
    case Grade::Excess:
        return "过量";
    case Grade::Normal:
        break;
    }
    return "正常";
}

Grade gradeAgainst(double actual, double reference)
{
    if (actual < 0.9 * reference) {
        return Grade::Insufficient;
    }
    if (actual > 1.1 * reference) {
        return Grade::Excess;
    }
    return Grade::Normal;
}

std::string joinNames(const std::vector<std::string>& names)
{
    std::string text;
    for (const std::string& name : names) {
        if (!text.empty()) {
            text += "、";
        }
        text += name;
    }
    return text;
}

MonthDay monthDayOf(const std::string& dayDate)
{
    if (dayDate.empty()) {
        return {};
    }
    if (const auto date = parseCalendarDate(dayDate)) {
        char month[8];
        char day[8];
        std::snprintf(month, sizeof(month), "%02d", date->month);
        std::snprintf(day, sizeof(day), "%02d", date->day);
        return { month, day };
    }
    MonthDay parts;
    if (dayDate.size() > 5) {
        parts.month = dayDate.substr(5, 2);
    }
    parts.day = dayDate.size() >= 2 ? dayDate.substr(dayDate.size() - 2) : dayDate;
    return parts;
}

std::string fillSlots(std::string_view pattern, const std::vector<std::string>& values)
{
    std::string text;
    std::size_t next = 0;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern.substr(i, 2) == "%s" && next < values.size()) {
            text += values[next++];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

double shareOf(double part, double whole)
{
    return whole == 0.0 ? 0.0 : part * 100.0 / whole;
}

} // namespace pelinor
