// pelinor-cli attendance: a class's attendance counts, as text and as the printed sheet in a PDF.
#include "cli/CliCommand.h"
#include "cli/PdfOutput.h"
#include "core/common/CalendarDate.h"
#include "core/db/CppSQLite3Exception.h"
#include "core/health/Attendance.h"
#include "reports/AttendanceReport.h"

#include <iostream>

namespace pelinor::cli {

namespace {

constexpr const char* kName = "attendance";

int attendance(std::vector<std::string> arguments)
{
    CommandArgs args(kName, std::move(arguments));
    const auto from = args.value("--from");
    const auto to = args.value("--to");
    const auto pdf = args.value("--pdf");
    std::vector<std::string> rest;
    if (const int status = args.useDataFolderAndTakePositional(rest)) {
        return status;
    }
    if (rest.size() != 1) {
        return fail(kName, "请指定一个班级 / give one class name (see --help)", 2);
    }
    if (from.has_value() != to.has_value()) {
        return fail(kName, "--from 和 --to 要一起给出 / give both --from and --to, or neither", 2);
    }
    DateScope scope;
    if (from) {
        const auto first = parseCalendarDate(*from);
        const auto last = parseCalendarDate(*to);
        if (!first || !last) {
            return fail(kName, "日期格式应为 YYYY-MM-DD / dates are YYYY-MM-DD", 2);
        }
        scope = DateRange { first->text(), last->text() };
    }
    try {
        const auto counts = attendanceStatistics(rest.front(), scope);
        std::cout << scopeText(scope) << '\n';
        for (const auto& child : counts) {
            std::cout << child.archId << '\t' << child.name;
            for (const int count : child.counts) {
                std::cout << '\t' << count;
            }
            std::cout << '\n';
        }
        if (pdf) {
            return writePdf(
                kName, *pdf, [&] { return makeAttendanceReport(counts, QString::fromStdString(rest.front()), scope); });
        }
    } catch (const CppSQLite3Exception& error) {
        return fail(kName, error.what());
    }
    return 0;
}

const CommandRegistration registration({ kName,
    "  attendance CLASS [--from DATE --to DATE] [--pdf FILE] [--data DIR]\n"
    "                        The attendance counts of the children of CLASS with an event, over\n"
    "                        every date or from DATE to DATE (both included): the period, then one\n"
    "                        line per child (archive number, name, 迟到 早退 病假 事假 其他, separated\n"
    "                        by tabs). With --pdf the printed sheet (考勤统计) is written to FILE.\n",
    attendance });

} // namespace

} // namespace pelinor::cli
