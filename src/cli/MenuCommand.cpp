// pelinor-cli menu: the menu of a saved plan, as text and as the printed menu in a PDF.
#include "cli/CliCommand.h"
#include "cli/PdfOutput.h"
#include "core/common/MealSlot.h"
#include "core/db/CppSQLite3Exception.h"
#include "core/planning/MenuView.h"
#include "reports/MenuReport.h"

#include <charconv>
#include <iostream>

namespace pelinor::cli {

namespace {

constexpr const char* kName = "menu";

std::optional<int> planNumber(const std::string& text)
{
    int number = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), number);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size() || number < 0) {
        return std::nullopt;
    }
    return number;
}

int menu(std::vector<std::string> arguments)
{
    CommandArgs args(kName, std::move(arguments));
    const auto pdf = args.value("--pdf");
    std::vector<std::string> rest;
    if (const int status = args.useDataFolderAndTakePositional(rest)) {
        return status;
    }
    if (rest.size() != 1) {
        return fail(kName, "请指定一个配餐号 / give one plan number (see --help)", 2);
    }
    const auto number = planNumber(rest.front());
    if (!number) {
        return fail(kName, "配餐号必须是非负整数 / not a plan number: " + rest.front(), 2);
    }
    try {
        const auto plan = loadMenuPlan(*number);
        if (!plan) {
            return fail(kName, "没有这个配餐 / there is no plan numbered " + rest.front());
        }
        const MenuGrid grid = buildMenuGrid(*plan);
        for (int meal = 0; meal < kMealSlotCount; ++meal) {
            for (int day = 0; day < grid.dayCount(); ++day) {
                std::cout << kMealSlots[static_cast<std::size_t>(meal)] << '\t'
                          << (grid.oneDay ? kOneDayKey : kWeekDayKeys[static_cast<std::size_t>(day)]) << '\t'
                          << grid.cell(day, meal) << '\n';
            }
        }
        if (pdf) {
            return writePdf(kName, *pdf, [&] { return makeMenuReport(menuReportData(grid)); });
        }
    } catch (const CppSQLite3Exception& error) {
        return fail(kName, error.what());
    }
    return 0;
}

const CommandRegistration registration({ kName,
    "  menu PLAN [--pdf FILE] [--data DIR]\n"
    "                        The menu of plan number PLAN: one line per meal time and day\n"
    "                        (meal time, day, the names and compositions the printed menu shows,\n"
    "                        separated by tabs). With --pdf the printed menu (幼儿园每周带量食谱 or\n"
    "                        幼儿园每天带量食谱) is written to FILE.\n",
    menu });

} // namespace

} // namespace pelinor::cli
