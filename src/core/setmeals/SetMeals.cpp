#include "core/setmeals/SetMeals.h"

#include "core/common/AppInfo.h"
#include "core/common/Clock.h"
#include "core/common/DecimalText.h"
#include "core/common/MealSlot.h"
#include "core/db/CppSQLite3Exception.h"
#include "core/db/DatabaseConnection.h"
#include "core/db/NextId.h"
#include "core/db/SqlFormat.h"
#include "core/db/UnitOfWork.h"

#include <algorithm>

namespace pelinor {

namespace {

constexpr const char* kNoSetMeal = "请添加套餐信息！";
constexpr const char* kHeadNotSaved = "套餐名称保存失败！";
constexpr const char* kItemsNotSaved = "套餐详细信息保存失败！";

std::vector<SetMealHead> readHeads(CppSQLite3DB& db, const std::string& sql)
{
    std::vector<SetMealHead> heads;
    for (auto query = db.execQuery(sql); !query.eof(); query.nextRow()) {
        heads.push_back(
            { query.getIntField(0), query.getStringField(1), query.getStringField(2), query.getStringField(3) });
    }
    return heads;
}

// The number the set meal is saved under: its own while its head still carries its name; otherwise
// a new number with a new head.
SavedSetMeal writeHead(CppSQLite3DB& db, const SetMeal& setMeal)
{
    if (setMeal.id) {
        auto head = db.execQuery(
            formatSql("SELECT PackageTitle FROM PackageName WHERE ID = '%d' ORDER BY rowid", *setMeal.id));
        if (!head.eof() && head.getStringField(0) == setMeal.title) {
            return { *setMeal.id, false };
        }
    }
    const int id = nextId(db, "PackageName", "ID", 0);
    db.execQuery(formatSql("INSERT INTO PackageName  VALUES('%d','%s','%s','%s')", id, setMeal.title,
        programClock().today().dateText(), setMeal.object));
    return { id, true };
}

void writeItems(CppSQLite3DB& db, int id, const std::vector<SetMealItem>& items)
{
    db.execQuery(formatSql("DELETE  FROM PackageCook WHERE PcookPID = '%d'", id));
    const std::string savedAt = programClock().now().timeStampText();
    int itemId = nextId(db, "PackageCook", "PcookID", 0);
    for (const SetMealItem& item : items) {
        db.execQuery(formatSql("INSERT INTO PackageCook VALUES('%d','%d','%s','%.1f','%s','%s','%s','%s')", itemId++,
            id, item.name, leadingDecimal(item.weight), item.meal, savedAt, item.isDish, item.composition));
    }
}

} // namespace

std::vector<SetMealHead> listSetMeals()
{
    DatabaseConnection package(PackageDb);
    return readHeads(package, "SELECT * FROM PackageName ORDER BY ID, rowid");
}

std::vector<SetMealHead> searchSetMeals(const std::string& text)
{
    auto heads = listSetMeals();
    std::erase_if(heads, [&](const SetMealHead& head) {
        return head.title.find(text) == std::string::npos && head.object.find(text) == std::string::npos;
    });
    return heads;
}

std::optional<SetMealHead> loadSetMealHead(int id)
{
    DatabaseConnection package(PackageDb);
    auto heads = readHeads(package, formatSql("SELECT * FROM PackageName WHERE ID = '%d' ORDER BY rowid", id));
    if (heads.empty()) {
        return std::nullopt;
    }
    return heads.front();
}

std::vector<SetMealItem> loadSetMealItems(int id)
{
    DatabaseConnection package(PackageDb);
    std::vector<SetMealItem> items;
    for (auto query
         = package.execQuery(formatSql("SELECT * FROM PackageCook WHERE PcookPID = '%d' ORDER BY rowid", id));
         !query.eof(); query.nextRow()) {
        items.push_back({ query.getStringField(4), query.getStringField(2), query.getStringField(3),
            query.getStringField(6), query.getStringField(7) });
    }
    return items;
}

std::optional<SetMeal> loadSetMeal(int id)
{
    const auto head = loadSetMealHead(id);
    if (!head) {
        return std::nullopt;
    }
    return SetMeal { head->id, head->title, head->object, loadSetMealItems(id) };
}

int nextSetMealNumber()
{
    DatabaseConnection package(PackageDb);
    return nextId(package, "PackageName", "ID", 0);
}

std::optional<std::string> missingMealMessage(const std::vector<SetMealItem>& items)
{
    for (std::string_view meal : kMealSlots) {
        const bool present
            = std::any_of(items.begin(), items.end(), [&](const SetMealItem& item) { return item.meal == meal; });
        if (!present) {
            return "请添加" + std::string(meal) + "信息";
        }
    }
    return std::nullopt;
}

Outcome<SavedSetMeal> saveSetMeal(const SetMeal& setMeal)
{
    if (trimmedText(setMeal.title).empty()) {
        return refuse(kNoSetMeal, kSystemPromptCaption);
    }
    if (auto missing = missingMealMessage(setMeal.items)) {
        return refuse(std::move(*missing), kSystemPromptCaption);
    }
    // Head and items go together: a failure at any point leaves the file as it was.
    std::optional<UnitOfWork> work;
    SavedSetMeal saved;
    try {
        work.emplace(PackageDb);
        saved = writeHead(work->db(), setMeal);
    } catch (const CppSQLite3Exception&) {
        return refuse(kHeadNotSaved, kSystemPromptCaption);
    }
    try {
        writeItems(work->db(), saved.id, setMeal.items);
        work->commit();
    } catch (const CppSQLite3Exception&) {
        return refuse(kItemsNotSaved, kSystemPromptCaption);
    }
    return saved;
}

bool deleteSetMeal(int id)
{
    UnitOfWork work(PackageDb);
    CppSQLite3DB& db = work.db();
    if (db.execQuery(formatSql("SELECT COUNT(*) FROM PackageName WHERE ID = '%d'", id)).getIntField(0) == 0) {
        return false;
    }
    db.execQuery(formatSql("DELETE FROM PackageName WHERE ID = '%d'", id));
    db.execQuery(formatSql("DELETE FROM PackageCook WHERE PcookPID = '%d'", id));
    // Every later set meal moves down by one, its items with it. Items are moved first, while their
    // heads still carry the old numbers; items without a head keep theirs.
    db.execQuery(formatSql(
        "UPDATE PackageCook SET PcookPID = PcookPID - 1 WHERE PcookPID IN (SELECT ID FROM PackageName WHERE ID > '%d')",
        id));
    db.execQuery(formatSql("UPDATE PackageName SET ID = ID - 1 WHERE ID > '%d'", id));
    work.commit();
    return true;
}

} // namespace pelinor
