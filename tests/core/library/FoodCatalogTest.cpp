#include "core/library/FoodCatalog.h"

#include "LibraryTestData.h"
#include "core/db/CppSQLite3Exception.h"
#include "core/db/UnitOfWork.h"

#include <gtest/gtest.h>
#include <map>

using namespace pelinor;
using namespace pelinor::test;

namespace {

class FoodCatalogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_folder.exec(CookDb,
            "INSERT INTO FoodType VALUES(1,0,'谷类');"
            "INSERT INTO FoodType VALUES(2,0,'蔬菜类');"
            "INSERT INTO FoodType VALUES(10,1,'米类');"
            "INSERT INTO FoodType VALUES(11,1,'面类');"
            "INSERT INTO FoodType VALUES(20,2,'叶菜');");
    }

    static FoodForm spinach()
    {
        FoodForm form;
        form.topId = 2;
        form.subCategoryName = "叶菜";
        form.name = "菠菜（鲜）";
        form.gongxiao = "补铁";
        form.tiaoxuan = "叶色深绿";
        form.chucang = "冷藏";
        form.xingwei = "性凉";
        form.jieshao = "常见蔬菜";
        form.incompatibleWith = "豆腐|黄瓜";
        form.incompatibleNotes = "草酸钙";
        form.goesWellWith = "猪肝";
        form.nutrients[Nutrient::Energy] = 24;
        form.nutrients[Nutrient::Fibre] = 1.7;
        form.nutrients[Nutrient::VitaminA] = 487;
        form.nutrients[Nutrient::VitaminE] = 1.74;
        form.nutrients[Nutrient::NicotinicAcid] = 0.6;
        return form;
    }

    TempDataFolder m_folder;
};

} // namespace

TEST_F(FoodCatalogTest, AddingWritesTheDerivedColumnsAndTheRelationsPairByPair)
{
    m_folder.exec(CookDb, foodShowRow(41, 1, 10, "大米"));
    const auto outcome = addFood(spinach());
    ASSERT_TRUE(outcome.ok()) << outcome.message();
    EXPECT_EQ(outcome.value(), 20);

    const auto food = rowsOf(CookDb, "SELECT * FROM FoodShow WHERE FoodID = 42");
    ASSERT_EQ(food.size(), 1u);
    const auto& row = food[0];
    struct Column
    {
        int index;
        const char* text;
    };
    const Column expected[] = {
        { 1, "2" },
        { 2, "20" },
        { 3, "菠菜（鲜）" },
        { 4, "100" },
        { 5, "10.2" },
        { 6, "24.0" },
        { 7, "100.4" }, // 24 × 4.1816 = 100.36
        { 11, "1.7" },
        { 12, "1.0" },
        { 13, "0.7" }, // fibre shares 0.6 and 0.4 of the single-precision 1.7
        { 15, "1.1" },
        { 16, "487.0" },
        { 17, "3409.0" }, // vitamin A × 7
        { 25, "1.74" }, // as typed: up to three decimals
        { 26, "0.3" },
        { 40, "1.0" },
        { 41, "0.4" }, // vitamin E shares of 1.74
        { 39, "0.6" },
        { 42, "" },
        { 43, "B" },
        { 44, "2" },
    };
    for (const auto& column : expected) {
        EXPECT_EQ(row[column.index], column.text) << "column " << column.index;
    }
    const Rows texts = { { "42", "常见蔬菜", "补铁", "叶色深绿", "冷藏", "性凉", "" } };
    EXPECT_EQ(rowsOf(CookDb, "SELECT * FROM FoodCollocation"), texts);

    // Relations are filed under the base name, one row per pair, so the edit dialog and the
    // incompatibility check find them; an empty field writes nothing.
    const Rows incompatible = { { "1", "菠菜", "豆腐", "草酸钙", "2" }, { "2", "菠菜", "黄瓜", "", "2" } };
    EXPECT_EQ(rowsOf(GrightDb, "SELECT * FROM FoodPhaseg ORDER BY PhasegID"), incompatible);
    const Rows goesWell = { { "1", "菠菜", "猪肝", "", "2" } };
    EXPECT_EQ(rowsOf(GrightDb, "SELECT * FROM FoodBarter"), goesWell);
}

TEST_F(FoodCatalogTest, AddingRefusesBadInputAndWritesNothing)
{
    m_folder.exec(CookDb, foodShowRow(1, 2, 20, "菠菜（鲜）"));
    struct Case
    {
        const char* what;
        void (*change)(FoodForm&);
        const char* message;
    };
    const Case cases[] = {
        { "name taken", [](FoodForm&) {}, "该原料已经存在！" },
        { "no name", [](FoodForm& f) { f.name.clear(); }, "原料名称不能为空！" },
        { "no top-level category", [](FoodForm& f) { f.name = "油菜", f.topId = 0; }, "上级分类选择失败！" },
        { "a top-level category that is gone", [](FoodForm& f) { f.name = "油菜", f.topId = 3; },
            "上级分类选择失败！" },
        { "no second-level category", [](FoodForm& f) { f.name = "油菜", f.subCategoryName.clear(); },
            "上级分类选择失败！" },
        { "category under another parent", [](FoodForm& f) { f.name = "油菜", f.topId = 1; }, "上级分类选择失败！" },
    };
    for (const auto& c : cases) {
        FoodForm form = spinach();
        c.change(form);
        EXPECT_EQ(addFood(form).message(), c.message) << c.what;
    }
    EXPECT_EQ(rowsOf(CookDb, "SELECT * FROM FoodShow").size(), 1u);
    EXPECT_TRUE(rowsOf(CookDb, "SELECT * FROM FoodCollocation").empty());
    EXPECT_TRUE(rowsOf(GrightDb, "SELECT * FROM FoodPhaseg").empty());
}

TEST_F(FoodCatalogTest, LoadingFindsCategoryPositionsTextsAndRelationsUnderTheBaseName)
{
    NutrientVector values;
    values[Nutrient::Energy] = 347;
    values[Nutrient::NicotinicAcid] = 1.9;
    m_folder.exec(CookDb,
        foodShowRow(5, 1, 11, "大米（粳）", values)
            + "INSERT INTO FoodCollocation VALUES(5,'介绍','功效','挑选','储藏','性味','dami.jpg');");
    m_folder.exec(GrightDb,
        "INSERT INTO FoodBarter VALUES(1,'大米','绿豆','清热',2);"
        "INSERT INTO FoodPhaseg VALUES(1,'大米','苍耳','',2);"
        "INSERT INTO FoodPhaseg VALUES(2,'大米','马肉','',2);");
    const auto food = loadFood("大米（粳）");
    ASSERT_TRUE(food);
    EXPECT_EQ(food->foodId, 5);
    EXPECT_EQ(food->form.topId, 1);
    EXPECT_EQ(food->subPosition, 1);
    EXPECT_EQ(food->form.subCategoryName, "面类");
    EXPECT_EQ(food->form.nutrients, values);
    EXPECT_EQ(food->form.jieshao, "介绍");
    EXPECT_EQ(food->form.xingwei, "性味");
    EXPECT_EQ(food->photo, "dami.jpg");
    EXPECT_EQ(food->form.goesWellWith, "绿豆");
    EXPECT_EQ(food->form.goesWellNotes, "清热");
    EXPECT_EQ(food->form.incompatibleWith, "苍耳|马肉");
    EXPECT_EQ(food->form.incompatibleNotes, "|");

    EXPECT_FALSE(loadFood("大米"));
}

TEST_F(FoodCatalogTest, SavingAnEditRewritesTheRowUnderItsIdentifierAndMovesIt)
{
    m_folder.exec(CookDb,
        foodShowRow(5, 1, 11, "大米（粳）") + "INSERT INTO FoodCollocation VALUES(5,'','','','','','dami.jpg');");
    m_folder.exec(GrightDb, "INSERT INTO FoodBarter VALUES(3,'绿豆','大米','old',2);");
    auto food = loadFood("大米（粳）");
    ASSERT_TRUE(food);
    FoodForm form = food->form;
    form.name = "大米（籼）";
    form.subCategoryName = "米类";
    form.nutrients[Nutrient::Energy] = 346;
    form.gongxiao = "补中益气";
    form.goesWellWith = "绿豆";
    form.goesWellNotes = "清热解暑";
    const auto outcome = saveEditedFood(*food, form);
    ASSERT_TRUE(outcome.ok()) << outcome.message();
    EXPECT_EQ(outcome.value(), 10);

    const auto rows = rowsOf(CookDb,
        "SELECT FoodID, FoodSmallTypeID, FoodName, FoodEnergy, FoodPhoto, FoodInitial "
        "FROM FoodShow");
    const Rows expected = { { "5", "10", "大米（籼）", "346.0", "dami", "D" } };
    EXPECT_EQ(rows, expected);
    EXPECT_EQ(rowsOf(CookDb, "SELECT CollocationGongxiao, CollocationPhoto FROM FoodCollocation"),
        (Rows { { "补中益气", "dami.jpg" } }));
    // The pair was stored the other way round; only its description changes.
    EXPECT_EQ(rowsOf(GrightDb, "SELECT * FROM FoodBarter"), (Rows { { "3", "绿豆", "大米", "清热解暑", "2" } }));
}

TEST_F(FoodCatalogTest, AnEditMayNotTakeAnotherFoodsNameOrLoseItsCategory)
{
    m_folder.exec(CookDb, foodShowRow(5, 1, 11, "大米") + foodShowRow(6, 1, 11, "小米"));
    auto food = loadFood("小米");
    ASSERT_TRUE(food);
    FoodForm form = food->form;

    form.name = "大米";
    EXPECT_EQ(saveEditedFood(*food, form).message(), "该原料已经存在！");
    form.name = "小米";
    form.subCategoryName = "叶菜";
    EXPECT_EQ(saveEditedFood(*food, form).message(), "上级分类选择是被");

    const Rows unchanged = { { "5", "大米" }, { "6", "小米" } };
    EXPECT_EQ(rowsOf(CookDb, "SELECT FoodID, FoodName FROM FoodShow ORDER BY FoodID"), unchanged);

    // Keeping its own name is no clash; a food without a descriptive row gets one.
    form.subCategoryName = "面类";
    form.chucang = "阴凉干燥";
    EXPECT_TRUE(saveEditedFood(*food, form).ok());
    EXPECT_EQ(rowsOf(CookDb, "SELECT CollocationID, CollocationChucang FROM FoodCollocation"),
        (Rows { { "6", "阴凉干燥" } }));
}

TEST_F(FoodCatalogTest, DeletingRemovesTheFoodAndItsTextsUnlessADishUsesIt)
{
    m_folder.exec(CookDb,
        foodShowRow(5, 1, 11, "Tom's 米粉") + foodShowRow(6, 2, 20, "菠菜")
            + "INSERT INTO FoodCollocation VALUES(5,'a','','','','','');"
              "INSERT INTO FoodCollocation VALUES(6,'b','','','','','');"
              "INSERT INTO CookFood VALUES(1,1,6,'主料','50');");
    const auto used = deleteFood("菠菜");
    EXPECT_EQ(used.message(), "该原料已被菜谱使用，不能删除！");
    EXPECT_EQ(used.caption(), "系统提示");

    const auto outcome = deleteFood("Tom's 米粉");
    ASSERT_TRUE(outcome.ok());
    EXPECT_EQ(outcome.value(), 11);
    EXPECT_EQ(rowsOf(CookDb, "SELECT FoodName FROM FoodShow"), (Rows { { "菠菜" } }));
    EXPECT_EQ(rowsOf(CookDb, "SELECT CollocationID FROM FoodCollocation"), (Rows { { "6" } }));
}

TEST_F(FoodCatalogTest, ListsShowTheLastQueriedRowFirst)
{
    m_folder.exec(CookDb,
        foodShowRow(3, 1, 10, "粳米", energyOnly(343)) + foodShowRow(1, 1, 11, "挂面") + foodShowRow(2, 1, 10, "籼米")
            + foodShowRow(4, 2, 20, "菠菜"));
    auto names = [](const std::vector<FoodListRow>& rows) {
        std::vector<std::string> result;
        for (const auto& row : rows) {
            result.push_back(row.name);
        }
        return result;
    };
    using Names = std::vector<std::string>;
    EXPECT_EQ(names(foodsOfFirstCategory()), (Names { "粳米", "籼米", "挂面" }));
    EXPECT_EQ(names(foodsOfSubCategory(10)), (Names { "籼米", "粳米" }));
    EXPECT_EQ(names(searchFoods("米")), (Names { "籼米", "粳米" }));
    EXPECT_EQ(names(foodsOfNamedSubCategory(1, "米类")), (Names { "籼米", "粳米" }));
    EXPECT_TRUE(foodsOfNamedSubCategory(2, "米类").empty()); // not a category under 蔬菜类
    EXPECT_EQ(names(searchFoods("")).size(), 4u);
    EXPECT_EQ(foodsOfSubCategory(10)[1].energy, "343.0");
}

TEST_F(FoodCatalogTest, AFoodWhoseRelationsCannotBeStoredIsNotStoredEither)
{
    // The food, its texts and its relations are one change over two files.
    m_folder.exec(GrightDb, "DROP TABLE FoodPhaseg;");
    EXPECT_THROW(addFood(spinach()), CppSQLite3Exception);
    EXPECT_TRUE(rowsOf(CookDb, "SELECT FoodID FROM FoodShow").empty());
    EXPECT_TRUE(rowsOf(CookDb, "SELECT CollocationID FROM FoodCollocation").empty());
    EXPECT_TRUE(rowsOf(GrightDb, "SELECT BarterID FROM FoodBarter").empty());
}

TEST(ShippedFoodsTest, OpeningAndSavingEveryShippedFoodChangesNoStoredValue)
{
    TempDataFolder folder(DataFolderContent::Library);
    // Every number column of every food as the program reads it (an empty value reads as 0).
    const auto numbers = [] {
        std::map<int, std::vector<double>> byFood;
        CppSQLite3DB db;
        db.open(GetDatabasePath(CookDb));
        for (auto query = db.execQuery("SELECT * FROM FoodShow"); !query.eof(); query.nextRow()) {
            auto& values = byFood[query.getIntField(0)];
            for (int column = 1; column <= 41; ++column) {
                values.push_back(query.getFloatField(column));
            }
        }
        return byFood;
    };
    const auto before = numbers();
    ASSERT_GT(before.size(), 400u);
    std::vector<std::string> names;
    for (const auto& row : rowsOf(CookDb, "SELECT FoodName FROM FoodShow")) {
        names.push_back(row[0]);
    }
    // Each food is opened on its own and saved in one transaction for all of them (just quicker).
    UnitOfWork work(CookDb, { GrightDb });
    for (const auto& name : names) {
        const auto food = loadFood(name);
        ASSERT_TRUE(food) << name;
        const auto saved = saveEditedFood(work.db(), *food, food->form);
        ASSERT_TRUE(saved.ok()) << name << ": " << saved.message();
    }
    work.commit();
    const auto after = numbers();
    ASSERT_EQ(after.size(), before.size());
    for (const auto& [id, values] : before) {
        for (std::size_t i = 0; i < values.size(); ++i) {
            EXPECT_EQ(after.at(id)[i], values[i]) << "food " << id << " column " << i + 1;
        }
    }
}
