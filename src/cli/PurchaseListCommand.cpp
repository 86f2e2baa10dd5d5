// pelinor-cli purchase-list: what the plans of a date range need to be bought.
#include "cli/CliCommand.h"
#include "cli/PdfOutput.h"
#include "core/common/CalendarDate.h"
#include "core/db/CppSQLite3Exception.h"
#include "core/planning/PurchaseList.h"
#include "reports/PurchaseReport.h"

#include <iostream>

namespace pelinor::cli {

namespace {

constexpr const char* kName = "purchase-list";

int purchaseList(std::vector<std::string> arguments)
{
    CommandArgs args(kName, std::move(arguments));
    const auto fromText = args.value("--from");
    const auto toText = args.value("--to");
    const auto csv = args.value("--csv");
    const auto pdf = args.value("--pdf");
    std::vector<std::string> rest;
    if (const int status = args.useDataFolderAndTakePositional(rest)) {
        return status;
    }
    if (!rest.empty()) {
        return fail(kName, "多余的参数 / unexpected argument: " + rest.front(), 2);
    }
    if (!fromText || !toText) {
        return fail(kName, "请用 --from 和 --to 指定日期范围 / --from DATE and --to DATE are required", 2);
    }
    const auto from = parseCalendarDate(*fromText);
    const auto to = parseCalendarDate(*toText);
    for (const auto& [text, date] : { std::pair { *fromText, from }, std::pair { *toText, to } }) {
        if (!date) {
            return fail(kName, "日期无效 / not a date: " + text + " (YYYY-MM-DD)", 2);
        }
    }
    std::vector<PurchaseItem> items;
    try {
        items = buildPurchaseList(*from, *to);
    } catch (const CppSQLite3Exception& error) {
        return fail(kName, error.what());
    }
    for (const auto& item : items) {
        std::cout << item.food << '\t' << item.kilogramText() << '\n';
    }
    if (csv) {
        const auto written = writePurchaseListCsv(*csv, items);
        if (!written) {
            return fail(kName, written.message());
        }
    }
    if (pdf) {
        if (items.empty()) {
            return fail(kName, "采购清单为空，未生成PDF / the list is empty, no PDF written");
        }
        return writePdf(kName, *pdf, [&] {
            return makePurchaseReport(items, QString::fromStdString(from->text()), QString::fromStdString(to->text()));
        });
    }
    return 0;
}

const CommandRegistration registration({ kName,
    "  purchase-list --from DATE --to DATE [--csv FILE] [--pdf FILE] [--data DIR]\n"
    "                        The purchase list of the plans saved for the days from DATE to DATE\n"
    "                        (YYYY-MM-DD, both included): one food per line, its name, a tab and\n"
    "                        the kilograms to buy (\"%.3f\"), in the order the foods are first met.\n"
    "                        --csv writes the list for spreadsheets (UTF-8), --pdf the printed list.\n",
    purchaseList });

} // namespace

} // namespace pelinor::cli
