// Checks of the library we ship: every number traceable, every name resolvable, nothing that the
// program's own rules would refuse.
#include "DatabaseRows.h"
#include "TempDataFolder.h"
#include "core/common/DishComposition.h"
#include "core/db/CppSQLite3DB.h"
#include "core/db/DatabaseCatalog.h"

#include <cmath>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <set>
#include <sstream>

using namespace pelinor;

namespace {

using test::rowsOf;

class LibraryDataTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_folder = std::make_unique<test::TempDataFolder>(DataFolderContent::Demo);
    }
    static void TearDownTestSuite()
    {
        s_folder.reset();
    }

    static std::set<std::string> column(int databaseId, const std::string& sql)
    {
        std::set<std::string> values;
        for (const auto& row : rowsOf(databaseId, sql)) {
            values.insert(row.at(0));
        }
        return values;
    }

    static std::unique_ptr<test::TempDataFolder> s_folder;
};

std::unique_ptr<test::TempDataFolder> LibraryDataTest::s_folder;

std::string baseName(const std::string& name)
{
    size_t cut = name.find("（");
    if (cut == std::string::npos) {
        cut = name.find('[');
    }
    return cut == std::string::npos ? name : name.substr(0, cut);
}

// Names of foods whose energy is known not to follow the 4/9/4 factors, first column of the list.
std::set<std::string> energyExceptions()
{
    std::set<std::string> names;
    std::ifstream file(std::string(PELINOR_SOURCE_DIR) + "/data/tools/energy-exceptions.tsv");
    std::string line;
    while (std::getline(file, line)) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        std::istringstream fields(line);
        std::string field;
        while (std::getline(fields, field, '\t')) {
            names.insert(field);
        }
    }
    return names;
}

TEST_F(LibraryDataTest, FoodsAreManyUniqueAndTheirEnergyFitsTheirMacronutrients)
{
    const auto foods = rowsOf(CookDb,
        "SELECT FoodID, FoodName, FoodEnergy, FoodProtein, FoodFat, FoodCarbohydrate "
        "FROM FoodShow");
    EXPECT_GE(foods.size(), 400u);
    const auto exceptions = energyExceptions();
    std::set<std::string> names;
    std::set<std::string> ids;
    for (const auto& food : foods) {
        EXPECT_TRUE(names.insert(food[1]).second) << "duplicate food " << food[1];
        EXPECT_TRUE(ids.insert(food[0]).second) << "duplicate FoodID " << food[0];
        const double energy = std::stod(food[2].empty() ? "0" : food[2]);
        const double atwater
            = 4 * std::atof(food[3].c_str()) + 9 * std::atof(food[4].c_str()) + 4 * std::atof(food[5].c_str());
        if (exceptions.count(food[1]) || exceptions.count(food[0])) {
            continue;
        }
        EXPECT_LE(std::fabs(energy - atwater), 0.15 * std::max(energy, 1.0))
            << food[1] << ": " << energy << " kcal against " << atwater;
    }
}

TEST_F(LibraryDataTest, DishesAreUniqueAndMadeOfCatalogueFoodsThatGoTogether)
{
    const auto foodNames = rowsOf(CookDb, "SELECT FoodID, FoodName FROM FoodShow");
    std::map<std::string, std::string> nameById;
    for (const auto& food : foodNames) {
        nameById[food[0]] = food[1];
    }
    const auto incompatible = rowsOf(GrightDb, "SELECT PhasegSubject, PhasegObjects FROM FoodPhaseg");

    const auto dishes = rowsOf(CookDb, "SELECT CookID, CookName, CookWeight, CookCategory FROM CookShow");
    EXPECT_GE(dishes.size(), 80u);
    std::set<std::string> dishNames;
    for (const auto& dish : dishes) {
        EXPECT_TRUE(dishNames.insert(dish[1]).second) << "duplicate dish " << dish[1];
        EXPECT_NE(dish[3].find("儿童"), std::string::npos) << dish[1] << " is not under a children's category";

        const auto ingredients = rowsOf(CookDb,
            "SELECT CookFoodFID, CookFoodWeight FROM CookFood WHERE CookFoodCID = '" + dish[0]
                + "' ORDER BY CookFoodID");
        EXPECT_FALSE(ingredients.empty()) << dish[1];
        double total = 0;
        std::string incompatibleText;
        for (const auto& ingredient : ingredients) {
            ASSERT_TRUE(nameById.count(ingredient[0])) << dish[1] << " names the missing food " << ingredient[0];
            total += std::atof(ingredient[1].c_str());
            // The dish dialog's own rule: a food whose base name stands in the collected text is refused.
            const std::string base = baseName(nameById[ingredient[0]]);
            EXPECT_EQ(incompatibleText.find(base), std::string::npos)
                << dish[1] << " combines foods that clash: " << base;
            for (const auto& pair : incompatible) {
                if (pair[0] == base) {
                    incompatibleText += pair[1] + "；";
                }
                if (pair[1] == base) {
                    incompatibleText += pair[0] + "；";
                }
            }
        }
        EXPECT_NEAR(std::atof(dish[2].c_str()), total, 0.5) << dish[1];
    }
}

TEST_F(LibraryDataTest, EveryNamedItemResolvesInTheCatalogue)
{
    const auto foods = column(CookDb, "SELECT FoodName FROM FoodShow");
    const auto dishes = column(CookDb, "SELECT CookName FROM CookShow");
    auto resolves = [&](const std::string& name, const std::string& isDish) {
        return isDish == "是" ? dishes.count(name) > 0 : foods.count(name) > 0;
    };

    const auto recommended = rowsOf(CookDb, "SELECT CanCi, FoodName, CxcIsDish FROM CXC");
    std::map<std::string, int> perMeal;
    for (const auto& item : recommended) {
        EXPECT_TRUE(resolves(item[1], item[2])) << "CXC names " << item[1];
        ++perMeal[item[0]];
    }
    for (const char* meal : { "早餐", "早点", "午餐", "午点", "晚餐" }) {
        EXPECT_GE(perMeal[meal], 5) << meal;
    }

    struct Source
    {
        int db;
        const char* sql;
    };
    const Source compositions[] = {
        { PackageDb, "SELECT PackageItemName, PackageItemFoods, PackageItemIsDish FROM PackageCook" },
        { PantryDb, "SELECT PcookName, PcookFoods, PcookIsDish FROM PantryCook" },
    };
    for (const auto& source : compositions) {
        const auto items = rowsOf(source.db, source.sql);
        EXPECT_FALSE(items.empty()) << source.sql;
        for (const auto& item : items) {
            EXPECT_TRUE(resolves(item[0], item[2])) << item[0];
            for (const auto& entry : DishComposition::parse(item[1])) {
                EXPECT_TRUE(foods.count(entry.foodName)) << item[0] << " holds the unknown food " << entry.foodName;
                EXPECT_GT(entry.grams, 0) << item[0];
            }
        }
    }
}

TEST_F(LibraryDataTest, ReferenceIntakesCoverEveryAgeAndSexOnce)
{
    const auto intakes = rowsOf(IntakeCriterionDb, "SELECT Age1, Sex, Energy, Protein FROM CDRIS");
    std::map<std::pair<std::string, std::string>, int> count;
    for (const auto& row : intakes) {
        ++count[{ row[0], row[1] }];
        EXPECT_GT(std::atof(row[2].c_str()), 0);
        EXPECT_GT(std::atof(row[3].c_str()), 0);
    }
    EXPECT_EQ(intakes.size(), 14u);
    for (int age = 1; age <= 7; ++age) {
        for (const char* sex : { "男", "女" }) {
            EXPECT_EQ((count[{ std::to_string(age), sex }]), 1) << age << sex;
        }
    }
}

TEST_F(LibraryDataTest, TheSymptomPagesFindTheirNutrients)
{
    const auto nutrients = column(NutrientDb, "SELECT NutrientName FROM NutrientShow");
    EXPECT_GE(nutrients.size(), 20u);
    for (const char* name :
        { "蛋白质", "碳水化合物", "脂肪", "维生素B6", "维生素C", "维生素E", "钙", "铁", "锌", "硒", "钠" }) {
        EXPECT_TRUE(nutrients.count(name)) << name;
    }
}

TEST_F(LibraryDataTest, DemoChildrenHaveWellFormedNumbersInExistingClasses)
{
    const auto classes = column(RecordDb, "SELECT ClassName FROM ClassInfo");
    EXPECT_EQ(classes.size(), 5u);
    const auto children = rowsOf(RecordDb, "SELECT ArchID, StudentID, Class, Gender FROM ArchivesBase");
    EXPECT_GE(children.size(), 100u);
    std::set<std::string> archIds;
    for (const auto& child : children) {
        EXPECT_EQ(child[0].size(), 8u) << child[0];
        EXPECT_TRUE(archIds.insert(child[0]).second) << "duplicate ArchID " << child[0];
        EXPECT_EQ(child[1].size(), 5u) << child[0];
        EXPECT_TRUE(classes.count(child[2])) << child[0] << " is in the unknown class " << child[2];
        EXPECT_TRUE(child[3] == "男" || child[3] == "女") << child[0];
    }
}

} // namespace

namespace {

TEST(PlainDataFolderTest, HoldsTheLibraryButNoDemoPeople)
{
    test::TempDataFolder folder(DataFolderContent::Library);
    struct Case
    {
        int db;
        const char* sql;
        bool empty;
    };
    const Case cases[] = {
        { RecordDb, "SELECT * FROM ArchivesBase", true },
        { PantryDb, "SELECT * FROM PantryRecord", true },
        { PantryDb, "SELECT * FROM PantryCook", true },
        { RecordDb, "SELECT * FROM KaoQin", true },
        { SysManagerDb, "SELECT * FROM KqCheckIn", true },
        { SysManagerDb, "SELECT * FROM YmCheckIn", true },
        { CookDb, "SELECT * FROM FoodShow", false },
        { CookDb, "SELECT * FROM CookShow", false },
        { SysManagerDb, "SELECT * FROM Myym", false },
        { PackageDb, "SELECT * FROM PackageName", false },
    };
    for (const auto& c : cases) {
        CppSQLite3DB db;
        db.open(GetDatabasePath(c.db));
        EXPECT_EQ(db.execQuery(c.sql).eof(), c.empty) << c.sql;
    }
}

} // namespace
