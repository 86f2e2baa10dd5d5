// pelinor-cli examination: one examination by its number, as text and as the printed report.
#include "cli/CliCommand.h"
#include "cli/PdfOutput.h"
#include "core/db/CppSQLite3Exception.h"
#include "core/health/ExaminationReport.h"
#include "core/health/Examinations.h"
#include "reports/HealthExaminationReport.h"

#include <charconv>
#include <iostream>

namespace pelinor::cli {

namespace {

constexpr const char* kName = "examination";

int examination(std::vector<std::string> arguments)
{
    CommandArgs args(kName, std::move(arguments));
    const auto pdf = args.value("--pdf");
    std::vector<std::string> rest;
    if (const int status = args.useDataFolderAndTakePositional(rest)) {
        return status;
    }
    if (rest.size() != 1) {
        return fail(kName, "请指定一个体检记录号 / give one examination number (see --help)", 2);
    }
    const std::string& text = rest.front();
    int id = 0;
    const auto parsed = std::from_chars(text.data(), text.data() + text.size(), id);
    if (parsed.ec != std::errc() || parsed.ptr != text.data() + text.size()) {
        return fail(kName, "体检记录号必须是整数 / not an examination number: " + text, 2);
    }
    try {
        const auto stored = loadExamination(id);
        if (!stored) {
            return fail(kName, "没有这条体检记录 / there is no examination numbered " + text);
        }
        for (const auto& group : examinationReportGroups(*stored)) {
            if (!group.heading.empty()) {
                std::cout << group.heading << '\n';
            }
            for (const auto& line : group.lines) {
                std::cout << '\t' << line.label << line.value << '\n';
            }
        }
        if (pdf) {
            return writePdf(kName, *pdf, [&] { return makeHealthExaminationReport(*stored); });
        }
    } catch (const CppSQLite3Exception& error) {
        return fail(kName, error.what());
    }
    return 0;
}

const CommandRegistration registration({ kName,
    "  examination ID [--pdf FILE] [--data DIR]\n"
    "                        The examination numbered ID (the first column of the examination\n"
    "                        list's records), group by group as the report prints it. With --pdf\n"
    "                        the one-page 健康体检报告 is written to FILE.\n",
    examination });

} // namespace

} // namespace pelinor::cli
