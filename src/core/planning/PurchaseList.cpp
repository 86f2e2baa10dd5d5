#include "core/planning/PurchaseList.h"

#include "core/common/DishComposition.h"
#include "core/common/ItemList.h"
#include "core/common/NumberFormat.h"
#include "core/db/DatabaseCatalog.h"
#include "core/db/DatabaseConnection.h"
#include "core/db/SqlFormat.h"
#include "core/planning/IntakeReference.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unordered_map>

namespace pelinor {

namespace {

// What is bought is more than what is served: cleaning and cooking waste.
constexpr float kPurchaseFactor = 1.3f;

std::string csvField(const std::string& text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + "\"";
}

} // namespace

std::string PurchaseItem::kilogramText() const
{
    return formatFixed(kilograms, 3);
}

int PlanHeadcount(CppSQLite3DB& pantryDb, CppSQLite3DB& recordDb, int planId)
{
    auto plan
        = pantryDb.execQuery(formatSql("SELECT * FROM PantryRecord  WHERE PrecordID = '%d' ORDER BY rowid", planId));
    if (plan.eof()) {
        return 0;
    }
    if (plan.getStringField(5) == kPersonalKind) {
        return 1;
    }
    int headcount = 0;
    for (const auto& className : splitItems(plan.getStringField(6))) {
        headcount += recordDb.execQuery(formatSql("SELECT COUNT(*) FROM ArchivesBase  WHERE Class = '%s'", className))
                         .getIntField(0);
    }
    return headcount;
}

void gatherPurchaseItems(const CalendarDate& from, const CalendarDate& to, std::vector<PurchaseItem>& items)
{
    DatabaseConnection pantryDb(PantryDb);
    DatabaseConnection recordDb(RecordDb);
    std::unordered_map<std::string, std::size_t> positions;
    for (std::size_t i = 0; i < items.size(); ++i) {
        positions.emplace(items[i].food, i);
    }
    std::unordered_map<int, int> headcounts;
    auto rows = pantryDb.execQuery(
        formatSql("SELECT PcookPID, PcookFoods FROM PantryCook  WHERE PcookDate BETWEEN '%s' AND '%s' ORDER BY rowid",
            from.text(), to.text()));
    for (; !rows.eof(); rows.nextRow()) {
        const int planId = rows.getIntField(0);
        auto known = headcounts.find(planId);
        if (known == headcounts.end()) {
            known = headcounts.emplace(planId, PlanHeadcount(pantryDb, recordDb, planId)).first;
        }
        const int headcount = known->second;
        for (const auto& entry : DishComposition::parse(rows.getStringField(1))) {
            // Computed in this order with the single-precision factor, then kept as a float.
            const auto kilograms = static_cast<float>(entry.grams * headcount * kPurchaseFactor / 1000);
            const auto [position, added] = positions.emplace(entry.foodName, items.size());
            if (added) {
                items.push_back({ entry.foodName, kilograms });
            } else {
                items[position->second].kilograms += kilograms;
            }
        }
    }
}

std::vector<PurchaseItem> purchaseList(const std::vector<PurchaseItem>& gathered)
{
    std::vector<PurchaseItem> shown;
    for (const auto& item : gathered) {
        if (item.kilograms >= kPurchaseThresholdKg) {
            shown.push_back(item);
        }
    }
    return shown;
}

std::vector<PurchaseItem> buildPurchaseList(const CalendarDate& from, const CalendarDate& to)
{
    std::vector<PurchaseItem> gathered;
    gatherPurchaseItems(from, to, gathered);
    return purchaseList(gathered);
}

std::vector<PurchaseLine> purchaseListLines(const std::vector<PurchaseItem>& items)
{
    std::vector<PurchaseLine> lines;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i % 2 == 0) {
            lines.push_back({ items[i].food, items[i].kilogramText(), {}, {} });
        } else {
            lines.back()[2] = items[i].food;
            lines.back()[3] = items[i].kilogramText();
        }
    }
    return lines;
}

std::string purchaseListCsv(const std::vector<PurchaseItem>& items)
{
    std::string text = "\xEF\xBB\xBF原料名称,原料重量(kg)\r\n";
    for (const auto& item : items) {
        text += csvField(item.food) + "," + item.kilogramText() + "\r\n";
    }
    return text;
}

Outcome<> writePurchaseListCsv(const std::string& path, const std::vector<PurchaseItem>& items)
{
    const std::string failed = "文件保存失败：" + path;
    const std::string partial = path + ".part";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        if (!out) {
            return refuse(failed);
        }
        out << purchaseListCsv(items);
        out.close();
        if (!out) {
            std::remove(partial.c_str());
            return refuse(failed);
        }
    }
    std::error_code error;
    std::filesystem::rename(partial, path, error);
    if (error) {
        std::remove(partial.c_str());
        return refuse(failed);
    }
    return done();
}

} // namespace pelinor
