#include "core/demo/LargeDemo.h"

#include "TempDataFolder.h"
#include "core/common/ItemList.h"
#include "core/db/CppSQLite3DB.h"
#include "core/db/DatabaseCatalog.h"
#include "core/demo/DemoRandom.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <map>
#include <memory>
#include <set>
#include <sqlite3.h>

using namespace pelinor;

namespace {

// The numbers data/tools/demorandom.py draws for the same seeds (python3, DemoRandom(seed).next_u32()
// and friends), so the two generators stay one.
TEST(DemoRandomTest, DrawsWhatTheDemoToolDraws)
{
    DemoRandom first(20261206);
    for (std::uint32_t expected : { 1329001996u, 1535627301u, 3243701180u, 137901550u }) {
        EXPECT_EQ(first.nextU32(), expected);
    }
    DemoRandom zero(0);
    EXPECT_EQ(zero.nextU32(), 226735074u);
    EXPECT_EQ(zero.nextU32(), 1422150777u);

    struct Choice
    {
        const char* text;
        int weight;
    };
    DemoRandom seven(7);
    EXPECT_EQ(seven.below(100), 99);
    EXPECT_EQ(std::string(seven.pick(std::array { "a", "b", "c", "d", "e" })), "a");
    EXPECT_NEAR(seven.normal(15.6, 1.1), 15.854972100630, 1e-11);
    EXPECT_EQ(std::string(seven.weighted(std::array<Choice, 3> { { { "x", 1 }, { "y", 3 }, { "z", 6 } } }).text), "z");
}

long long count(CppSQLite3DB& db, const std::string& sql)
{
    return db.execQuery(sql).getInt64Field(0);
}

// The ids of a table run from `base` to base + rows - 1 without a gap or a double.
void expectGapless(CppSQLite3DB& db, const std::string& table, const std::string& column, int base)
{
    auto query = db.execQuery(
        "SELECT COUNT(*), COUNT(DISTINCT " + column + "), MIN(" + column + "), MAX(" + column + ") FROM " + table);
    const long long rows = query.getInt64Field(0);
    EXPECT_GT(rows, 0) << table;
    EXPECT_EQ(query.getInt64Field(1), rows) << table << "." << column;
    EXPECT_EQ(query.getInt64Field(2), base) << table << "." << column;
    EXPECT_EQ(query.getInt64Field(3), base + rows - 1) << table << "." << column;
}

// The food names of a composition text "name:grams g；name:grams g；".
std::vector<std::string> foodsOf(const std::string& composition)
{
    std::vector<std::string> names;
    for (const std::string& entry : splitItems(composition)) {
        names.push_back(entry.substr(0, entry.find(':')));
    }
    return names;
}

// The folder every check below reads, made once for the whole test.
std::string g_folder;
std::map<int, std::unique_ptr<CppSQLite3DB>> g_connections;

CppSQLite3DB& open(int databaseId)
{
    auto& db = g_connections[databaseId];
    if (!db) {
        db = std::make_unique<CppSQLite3DB>();
    }
    db->open(databasePathIn(g_folder, databaseId));
    return *db;
}

std::set<std::string> foodNames()
{
    std::set<std::string> names;
    for (auto query = open(CookDb).execQuery("SELECT FoodName FROM FoodShow"); !query.eof(); query.nextRow()) {
        names.insert(query.getStringField(0));
    }
    return names;
}

void holdsABigKindergartenAfterFiveYears()
{
    struct Case
    {
        int db;
        const char* sql;
        long long expected;
    };
    const Case cases[] = {
        { CookDb, "SELECT COUNT(*) FROM FoodShow", 2000 },
        { CookDb, "SELECT COUNT(DISTINCT FoodName) FROM FoodShow", 2000 },
        { CookDb, "SELECT COUNT(DISTINCT CollocationID) FROM FoodCollocation", 2000 },
        { CookDb, "SELECT COUNT(*) FROM FoodShow WHERE FoodID NOT IN (SELECT CollocationID FROM FoodCollocation)", 0 },
        { RecordDb, "SELECT COUNT(*) FROM ClassInfo", 20 },
        { RecordDb, "SELECT COUNT(*) FROM ArchivesBase", 600 },
        { RecordDb, "SELECT COUNT(DISTINCT ArchID) FROM ArchivesBase", 600 },
        { RecordDb, "SELECT COUNT(DISTINCT ArchName) FROM ArchivesBase", 600 },
        { RecordDb, "SELECT COUNT(*) FROM KaoQin", 20000 },
        { RecordDb, "SELECT COUNT(*) FROM (SELECT DISTINCT ArchID, Time FROM KaoQin)", 20000 },
        { PantryDb, "SELECT COUNT(*) FROM PantryRecord WHERE PrecordCycle = '一周'", 1000 },
        { PantryDb, "SELECT COUNT(*) FROM PantryRecord WHERE PrecordCycle = '一天'", 150 },
        { PackageDb, "SELECT COUNT(*) FROM PackageName", 200 },
        { SysManagerDb, "SELECT COUNT(*) FROM KqCheckIn", 3000 },
        { SysManagerDb, "SELECT COUNT(*) FROM (SELECT DISTINCT Class, StudentID, TiJianDate FROM KqCheckIn)", 3000 },
        // Week plans are dated on their Monday (SQLite's own calendar: 1 is Monday).
        { PantryDb,
            "SELECT COUNT(*) FROM PantryRecord WHERE PrecordCycle = '一周' AND strftime('%w', PrecordDate) <> '1'", 0 },
        // Only the two kinds of subject; a personal plan keeps the child's archive number, a group plan none.
        { PantryDb,
            "SELECT COUNT(*) FROM PantryRecord WHERE NOT ((PrecordKind = '个人' AND length(subJectID) = 8) OR "
            "(PrecordKind = '团体' AND subJectID = ''))",
            0 },
        { PantryDb, "SELECT COUNT(*) FROM PantryCook WHERE PcookIsDish NOT IN ('是', '否')", 0 },
        { PantryDb, "SELECT COUNT(*) FROM PantryCook WHERE PcookPID NOT IN (SELECT PrecordID FROM PantryRecord)", 0 },
        { PackageDb, "SELECT COUNT(*) FROM PackageCook WHERE PcookPID NOT IN (SELECT ID FROM PackageName)", 0 },
        // Every week plan has all five days with all five meal times, each day dated Monday + n.
        { PantryDb,
            "SELECT COUNT(*) FROM (SELECT c.PcookPID FROM PantryCook c JOIN PantryRecord r ON r.PrecordID = "
            "c.PcookPID WHERE r.PrecordCycle = '一周' GROUP BY c.PcookPID HAVING COUNT(DISTINCT c.PcookWeek || "
            "c.PcookMeal) <> 25)",
            0 },
        { PantryDb,
            "SELECT COUNT(*) FROM PantryCook c JOIN PantryRecord r ON r.PrecordID = c.PcookPID WHERE "
            "r.PrecordCycle = '一周' AND c.PcookDate <> date(r.PrecordDate, '+' || (instr('一二三四五', "
            "substr(c.PcookWeek, 2, 1)) - 1) || ' days')",
            0 },
        { PantryDb,
            "SELECT COUNT(*) FROM PantryCook c JOIN PantryRecord r ON r.PrecordID = c.PcookPID WHERE "
            "r.PrecordCycle = '一天' AND (c.PcookWeek <> '一天' OR c.PcookDate <> r.PrecordDate)",
            0 },
        { PackageDb,
            "SELECT COUNT(*) FROM (SELECT PcookPID FROM PackageCook GROUP BY PcookPID HAVING "
            "COUNT(DISTINCT PackageItemMeal) <> 5)",
            0 },
        { PackageDb, "SELECT COUNT(*) FROM PackageName WHERE ID NOT IN (SELECT PcookPID FROM PackageCook)", 0 },
        // A single food is one entry of its own weight.
        { PantryDb,
            "SELECT COUNT(*) FROM PantryCook WHERE PcookIsDish = '否' AND PcookFoods <> PcookName || ':' || "
            "PcookWeight || 'g；'",
            0 },
    };
    for (const Case& c : cases) {
        EXPECT_EQ(count(open(c.db), c.sql), c.expected) << c.sql;
    }
    const long long items = count(open(PantryDb), "SELECT COUNT(*) FROM PantryCook");
    EXPECT_GE(items, 90000);
    EXPECT_LE(items, 110000);
}

void numbersRunWithoutGaps()
{
    expectGapless(open(PantryDb), "PantryRecord", "PrecordID", 0);
    expectGapless(open(PantryDb), "PantryCook", "PcookID", 0);
    expectGapless(open(PackageDb), "PackageName", "ID", 0);
    expectGapless(open(PackageDb), "PackageCook", "PcookID", 0);
    expectGapless(open(CookDb), "FoodShow", "FoodID", 1);
    expectGapless(open(RecordDb), "ClassInfo", "ID", 0);
    expectGapless(open(RecordDb), "KaoQin", "ID", 1);
    expectGapless(open(SysManagerDb), "KqCheckIn", "ID", 1);
    expectGapless(open(SysManagerDb), "YmCheckIn", "ID", 1);
}

void archiveAndStudentNumbersFollowTheProgramsRules()
{
    CppSQLite3DB& record = open(RecordDb);
    // ArchID: the two-digit year of entry and a running number from 000000 within that year.
    EXPECT_EQ(count(record,
                  "SELECT COUNT(*) FROM ArchivesBase WHERE length(ArchID) <> 8 OR ArchID GLOB '*[^0-9]*' "
                  "OR substr(ArchID, 1, 2) <> substr(InTime, 3, 2)"),
        0);
    for (auto year = record.execQuery("SELECT COUNT(*), MIN(CAST(substr(ArchID, 3) AS INTEGER)), "
                                      "MAX(CAST(substr(ArchID, 3) AS INTEGER)) FROM ArchivesBase GROUP BY "
                                      "substr(ArchID, 1, 2)");
         !year.eof(); year.nextRow()) {
        EXPECT_EQ(year.getIntField(1), 0);
        EXPECT_EQ(year.getIntField(2), year.getIntField(0) - 1);
    }
    // StudentID: the class's position in ClassInfo order and 001, 002, … in the order children came.
    std::vector<std::string> classes;
    for (auto query = record.execQuery("SELECT ClassName FROM ClassInfo ORDER BY rowid"); !query.eof();
         query.nextRow()) {
        classes.push_back(query.getStringField(0));
    }
    ASSERT_EQ(classes.size(), 20u);
    EXPECT_EQ(classes[0], "小班");
    EXPECT_EQ(classes[2], "大班");
    for (size_t position = 0; position < classes.size(); ++position) {
        const std::string prefix = (position < 10 ? "0" : "") + std::to_string(position);
        int expected = 1;
        std::string lastArrival;
        for (auto child = record.execQuery("SELECT StudentID, InTime, ArchID FROM ArchivesBase WHERE Class = '"
                 + classes[position] + "' ORDER BY StudentID");
             !child.eof(); child.nextRow()) {
            const std::string sequence = std::to_string(expected++);
            EXPECT_EQ(child.getStringField(0), prefix + std::string(3 - sequence.size(), '0') + sequence)
                << classes[position];
            EXPECT_GE(child.getStringField(1), lastArrival) << child.getStringField(2);
            lastArrival = child.getStringField(1);
        }
        EXPECT_EQ(expected, 31) << classes[position];
    }
    // Children of 2 to 6 years on the folder's last day, 2026-12-18, boys and girls.
    EXPECT_EQ(
        count(record, "SELECT COUNT(*) FROM ArchivesBase WHERE Birth <= '2019-12-18' OR Birth > '2024-12-18'"), 0);
    EXPECT_GT(count(record, "SELECT COUNT(*) FROM ArchivesBase WHERE Gender = '男'"), 240);
    EXPECT_GT(count(record, "SELECT COUNT(*) FROM ArchivesBase WHERE Gender = '女'"), 240);
    EXPECT_EQ(count(record, "SELECT COUNT(*) FROM ArchivesBase WHERE Gender NOT IN ('男', '女')"), 0);
}

void recordsNameTheirChildAndClass()
{
    std::map<std::string, std::pair<std::string, std::string>> children; // ArchID -> name, class
    for (auto query = open(RecordDb).execQuery("SELECT ArchID, ArchName, Class FROM ArchivesBase"); !query.eof();
         query.nextRow()) {
        children[query.getStringField(0)] = { query.getStringField(1), query.getStringField(2) };
    }
    struct Case
    {
        int db;
        const char* sql; // ArchID, name, class
    };
    const Case cases[] = {
        { RecordDb, "SELECT ArchID, Name, Class FROM KaoQin" },
        { SysManagerDb, "SELECT StudentID, Name, Class FROM KqCheckIn" },
        { SysManagerDb, "SELECT ArchID, Name, Class FROM YmCheckIn" },
        { PantryDb, "SELECT subJectID, PrecordSujects, NULL FROM PantryRecord WHERE PrecordKind = '个人'" },
    };
    for (const Case& c : cases) {
        int rows = 0;
        for (auto query = open(c.db).execQuery(c.sql); !query.eof(); query.nextRow(), ++rows) {
            const auto child = children.find(query.getStringField(0));
            ASSERT_NE(child, children.end()) << c.sql << " " << query.getStringField(0);
            EXPECT_EQ(child->second.first, query.getStringField(1)) << c.sql;
            if (query.fieldDataType(2) != SQLITE_NULL) {
                EXPECT_EQ(child->second.second, query.getStringField(2)) << c.sql;
            }
        }
        EXPECT_GT(rows, 0) << c.sql;
    }
    // Attendance events are of the five kinds, on school days (never Saturday or Sunday).
    EXPECT_EQ(count(open(RecordDb),
                  "SELECT COUNT(*) FROM KaoQin WHERE KaoQin NOT IN ('迟到', '早退', '病假', '事假', "
                  "'其他') OR strftime('%w', Time) IN ('0', '6')"),
        0);
    // Every vaccination names a vaccine of the catalogue.
    EXPECT_EQ(
        count(open(SysManagerDb), "SELECT COUNT(*) FROM YmCheckIn WHERE YmName NOT IN (SELECT YmName FROM Myym)"), 0);
}

void examinationsKeepTheFormsBmi()
{
    int rows = 0;
    for (auto query = open(SysManagerDb).execQuery("SELECT Height, Weight, BMI, Doctor, TiJianDate FROM KqCheckIn");
         !query.eof(); query.nextRow(), ++rows) {
        const double height = query.getFloatField(0);
        const double weight = query.getFloatField(1);
        EXPECT_GT(height, 75.0);
        EXPECT_LT(height, 140.0);
        EXPECT_NEAR(query.getFloatField(2), weight / (height / 100.0) / (height / 100.0), 0.0011);
        EXPECT_FALSE(query.getStringField(3).empty());
        EXPECT_LE(query.getStringField(4), "2026-12-18");
    }
    EXPECT_EQ(rows, 3000);
}

void plansAndSetMealsAreMadeOfTheLibrary()
{
    const std::set<std::string> foods = foodNames();
    std::set<std::string> dishes;
    for (auto query = open(CookDb).execQuery("SELECT CookName FROM CookShow"); !query.eof(); query.nextRow()) {
        dishes.insert(query.getStringField(0));
    }
    std::set<std::string> classes;
    for (auto query = open(RecordDb).execQuery("SELECT ClassName FROM ClassInfo"); !query.eof(); query.nextRow()) {
        classes.insert(query.getStringField(0));
    }
    struct Case
    {
        int db;
        const char* sql; // name, composition, is dish
    };
    const Case cases[] = {
        { PantryDb, "SELECT PcookName, PcookFoods, PcookIsDish FROM PantryCook" },
        { PackageDb, "SELECT PackageItemName, PackageItemFoods, PackageItemIsDish FROM PackageCook" },
    };
    for (const Case& c : cases) {
        long long variants = 0;
        for (auto query = open(c.db).execQuery(c.sql); !query.eof(); query.nextRow()) {
            const std::string name = query.getStringField(0);
            const auto parts = foodsOf(query.getStringField(1));
            ASSERT_FALSE(parts.empty()) << name;
            for (const std::string& food : parts) {
                ASSERT_TRUE(foods.count(food)) << c.sql << ": " << food;
            }
            if (query.getStringField(2) == "是") {
                ASSERT_TRUE(dishes.count(name)) << name;
            } else if (name.find("产）") != std::string::npos) {
                ++variants;
            }
        }
        EXPECT_GT(variants, 0) << c.sql;
    }

    int allClasses = 0;
    int smallGroups = 0;
    int groups = 0;
    for (auto query = open(PantryDb).execQuery("SELECT PrecordSujects FROM PantryRecord WHERE PrecordKind = '团体'");
         !query.eof(); query.nextRow(), ++groups) {
        const auto named = splitItems(query.getStringField(0));
        for (const std::string& name : named) {
            ASSERT_TRUE(classes.count(name)) << name;
        }
        allClasses += named.size() == 20;
        smallGroups += named.size() <= 3;
    }
    EXPECT_GT(allClasses, 50);
    EXPECT_GT(smallGroups, groups / 2);
    EXPECT_GT(count(open(PantryDb), "SELECT COUNT(*) FROM PantryRecord WHERE PrecordKind = '个人'"), 50);
}

void foodVariantsAreNamedAfterTheirFood()
{
    CppSQLite3DB& cook = open(CookDb);
    // A variant keeps the food's category and stays within 8 % of each of its values.
    auto query = cook.execQuery(
        "SELECT v.FoodName, f.FoodName, v.FoodSmallTypeID = f.FoodSmallTypeID, v.FoodEnergy, f.FoodEnergy, "
        "v.FoodCalcium, f.FoodCalcium FROM FoodShow v JOIN FoodShow f ON v.FoodName = f.FoodName || '（黑龙江产）'");
    int rows = 0;
    for (; !query.eof(); query.nextRow(), ++rows) {
        EXPECT_EQ(query.getIntField(2), 1) << query.getStringField(0);
        EXPECT_NEAR(query.getFloatField(3), query.getFloatField(4), query.getFloatField(4) * 0.081 + 0.001);
        EXPECT_NEAR(query.getFloatField(5), query.getFloatField(6), query.getFloatField(6) * 0.081 + 0.001);
    }
    EXPECT_GT(rows, 20);
    EXPECT_EQ(count(cook, "SELECT COUNT(*) FROM FoodShow WHERE FoodID > 488 AND FoodName NOT LIKE '%产）'"), 0);
}

// The full size is made once (a second or two) and every aspect is checked on it; one test, so
// that a run of the suite makes it once.
TEST(LargeDemoTest, TheFullFolderFollowsTheProgramsRules)
{
    test::TempDirectory dir;
    g_folder = dir.path() + "/formal/";
    const auto result = createLargeDemoFolder(g_folder);
    ASSERT_TRUE(result.ok()) << result.message();
    const std::pair<const char*, void (*)()> checks[] = {
        { "HoldsABigKindergartenAfterFiveYears", &holdsABigKindergartenAfterFiveYears },
        { "NumbersRunWithoutGaps", &numbersRunWithoutGaps },
        { "ArchiveAndStudentNumbersFollowTheProgramsRules", &archiveAndStudentNumbersFollowTheProgramsRules },
        { "RecordsNameTheirChildAndClass", &recordsNameTheirChildAndClass },
        { "ExaminationsKeepTheFormsBmi", &examinationsKeepTheFormsBmi },
        { "PlansAndSetMealsAreMadeOfTheLibrary", &plansAndSetMealsAreMadeOfTheLibrary },
        { "FoodVariantsAreNamedAfterTheirFood", &foodVariantsAreNamedAfterTheirFood },
    };
    for (const auto& [name, check] : checks) {
        SCOPED_TRACE(name);
        check();
    }
    g_connections.clear();
}

std::string fileBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return { std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>() };
}

TEST(LargeDemoFolderTest, TheSameSizeGivesTheSameFiles)
{
    LargeDemoSize size;
    size.foods = 700;
    size.classes = 5;
    size.childrenPerClass = 8;
    size.weekPlans = 30;
    size.dayPlans = 5;
    size.setMeals = 12;
    size.attendanceEvents = 300;
    size.examinations = 60;
    test::TempDirectory dir;
    ASSERT_TRUE(createLargeDemoFolder(dir.path() + "/a/", size).ok());
    ASSERT_TRUE(createLargeDemoFolder(dir.path() + "/b/", size).ok());
    for (int id = kFirstDatabaseId; id <= kLastDatabaseId; ++id) {
        const std::string a = fileBytes(databasePathIn(dir.path() + "/a/", id));
        EXPECT_FALSE(a.empty());
        EXPECT_TRUE(a == fileBytes(databasePathIn(dir.path() + "/b/", id))) << databaseFileName(id);
    }
    CppSQLite3DB pantry;
    pantry.open(databasePathIn(dir.path() + "/a/", PantryDb));
    EXPECT_EQ(count(pantry, "SELECT COUNT(*) FROM PantryRecord"), 35);
}

TEST(LargeDemoFolderTest, RefusesWhenAFileExistsOrTheSizeCannotBeMade)
{
    test::TempDirectory dir;
    const std::string folder = dir.path() + "/formal/";
    std::filesystem::create_directories(folder);
    std::ofstream(databasePathIn(folder, PantryDb)) << "the user's plans";
    const auto refused = createLargeDemoFolder(folder);
    EXPECT_FALSE(refused.ok());
    EXPECT_NE(refused.message().find("pantry.dll"), std::string::npos) << refused.message();
    EXPECT_EQ(fileBytes(databasePathIn(folder, PantryDb)), "the user's plans");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator()), 1);

    LargeDemoSize tooMany;
    tooMany.classes = 21;
    const std::string other = dir.path() + "/other/";
    const auto unmade = createLargeDemoFolder(other, tooMany);
    EXPECT_FALSE(unmade.ok());
    EXPECT_FALSE(std::filesystem::exists(databasePathIn(other, CookDb)));
}

} // namespace
