#include "core/health/DueVaccinations.h"

#include "core/db/CppSQLite3DB.h"
#include "core/db/DatabaseCatalog.h"
#include "core/db/DatabaseConnection.h"
#include "core/db/SqlFormat.h"
#include "core/health/HealthChildren.h"
#include "core/health/Vaccines.h"

#include <optional>
#include <set>

namespace pelinor {

namespace {

// Ages beyond a hundred years are no window at all (and keep the date arithmetic in range).
constexpr int kLargestMonth = 1200;

std::optional<int> windowMonth(const std::string& text)
{
    const auto value = monthNumber(text);
    if (!value || *value < 0 || *value > kLargestMonth) {
        return std::nullopt;
    }
    return value;
}

} // namespace

VaccinationWindow vaccinationWindow(const CalendarDate& birth, int startMonth, int endMonth)
{
    return { birth.plusMonths(startMonth), birth.plusMonths(endMonth + 1).plusDays(-1) };
}

std::vector<DueVaccination> dueVaccinations(const std::string& className, const CalendarDate& today)
{
    struct Window
    {
        std::string vaccine;
        int start;
        int end;
    };
    std::vector<Window> windows;
    for (const auto& vaccine : loadVaccines()) {
        const auto start = windowMonth(vaccine.startMonth);
        const auto end = windowMonth(vaccine.endMonth);
        if (start && end && *start <= *end) {
            windows.push_back({ vaccine.name, *start, *end });
        }
    }

    std::vector<DueVaccination> due;
    DatabaseConnection sysmanager(SysManagerDb);
    for (const auto& child : childrenInClass(className)) {
        const auto birth = parseCalendarDate(child.birth);
        if (!birth || child.archId.empty()) {
            continue;
        }
        std::set<std::string> given;
        for (auto query
             = sysmanager.execQuery(formatSql("SELECT YmName FROM YmCheckIn WHERE ArchID = '%s'", child.archId));
             !query.eof(); query.nextRow()) {
            given.insert(query.getStringField(0));
        }
        for (const auto& window : windows) {
            const VaccinationWindow span = vaccinationWindow(*birth, window.start, window.end);
            if (today < span.first || span.last < today || given.count(window.vaccine) != 0) {
                continue;
            }
            due.push_back({ child.archId, child.name, child.gender, child.birth, window.vaccine, span.first.text(),
                span.last.text() });
        }
    }
    return due;
}

} // namespace pelinor
