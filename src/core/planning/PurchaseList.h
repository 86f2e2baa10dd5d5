#pragma once

#include "core/common/CalendarDate.h"
#include "core/common/Outcome.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace pelinor {

class CppSQLite3DB;

// One food to buy and how much of it, in single-precision kilograms.
struct PurchaseItem
{
    std::string food;
    float kilograms = 0.0f;

    // "%.3f", as the list, the printout and the exports show it.
    std::string kilogramText() const;
};

// The people a plan feeds: 1 for a personal plan; for a class plan the children of its classes
// (empty class names skipped); 0 when the plan has no record.
int PlanHeadcount(CppSQLite3DB& pantryDb, CppSQLite3DB& recordDb, int planId);

// Adds up what the plans saved for the days from `from` to `to` (both included) need: for each
// food of each item, grams × headcount × 1.3 / 1000 kg, summed per food in single precision, the
// foods in the order they are first met in the stored rows. Every food is kept, even one too small
// to buy. `items` grows row by row, so what was gathered before a database failure stays there.
void gatherPurchaseItems(const CalendarDate& from, const CalendarDate& to, std::vector<PurchaseItem>& items);

// The foods worth buying: the gathered ones without those below 0.00099 kg, in the same order.
std::vector<PurchaseItem> purchaseList(const std::vector<PurchaseItem>& gathered);

// gatherPurchaseItems, then purchaseList.
std::vector<PurchaseItem> buildPurchaseList(const CalendarDate& from, const CalendarDate& to);

inline constexpr double kPurchaseThresholdKg = 0.00099;

// The list's lines: two foods per line (原料名称, 原料重量(kg), 原料名称, 原料重量(kg)); the second
// pair of the last line is empty when the count is odd.
using PurchaseLine = std::array<std::string, 4>;
std::vector<PurchaseLine> purchaseListLines(const std::vector<PurchaseItem>& items);

// The list as a spreadsheet reads it: UTF-8 with a byte-order mark, a heading row
// "原料名称,原料重量(kg)" and one food per row, lines ended by CR LF.
std::string purchaseListCsv(const std::vector<PurchaseItem>& items);

// Writes purchaseListCsv to `path`. A file that cannot be written is refused with a message and
// left as it was (the text goes to a temporary file that replaces it only when complete).
Outcome<> writePurchaseListCsv(const std::string& path, const std::vector<PurchaseItem>& items);

} // namespace pelinor
