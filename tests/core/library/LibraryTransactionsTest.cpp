#include "LibraryTestData.h"
#include "core/db/CppSQLite3Exception.h"
#include "core/library/Dishes.h"
#include "core/library/FoodCatalog.h"

#include <gtest/gtest.h>

using namespace pelinor;
using namespace pelinor::test;

// A save made of several statements that fails part-way leaves the file as it was.
TEST(LibraryTransactionsTest, ASaveThatFailsPartWayLeavesTheDataAsItWas)
{
    TempDataFolder folder;
    folder.exec(CookDb,
        "INSERT INTO FoodType VALUES(1,0,'谷类');"
        "INSERT INTO FoodType VALUES(10,1,'米类');"
            + foodShowRow(1, 1, 10, "大米")
            + "INSERT INTO FoodCollocation VALUES(1,'old','','','','','');"
              "INSERT INTO CookShow(CookID,CookName,CookWeight) VALUES(1,'米饭',100);"
              "INSERT INTO CookFood VALUES(1,1,1,'主料','100');"
              // Every new row fails, after the deletes and updates before it have run.
              "CREATE TRIGGER FailFood BEFORE INSERT ON FoodShow BEGIN SELECT RAISE(ABORT,'disk full'); END;"
              "CREATE TRIGGER FailDish BEFORE INSERT ON CookShow BEGIN SELECT RAISE(ABORT,'disk full'); END;");
    const Rows foods = rowsOf(CookDb, "SELECT * FROM FoodShow");
    const Rows texts = rowsOf(CookDb, "SELECT * FROM FoodCollocation");
    const Rows dishes = rowsOf(CookDb, "SELECT * FROM CookShow");
    const Rows ingredients = rowsOf(CookDb, "SELECT * FROM CookFood");

    auto food = loadFood("大米");
    ASSERT_TRUE(food);
    food->form.jieshao = "new";
    EXPECT_THROW(saveEditedFood(*food, food->form), CppSQLite3Exception);
    food->form.name = "小米";
    EXPECT_THROW(addFood(food->form), CppSQLite3Exception);

    auto dish = loadDish("1");
    ASSERT_TRUE(dish);
    EXPECT_THROW(saveEditedDish(1, dish->texts, dish->ingredients), CppSQLite3Exception);
    dish->texts.name = "新菜";
    EXPECT_THROW(addDish(dish->texts, dish->ingredients), CppSQLite3Exception);

    EXPECT_EQ(rowsOf(CookDb, "SELECT * FROM FoodShow"), foods);
    EXPECT_EQ(rowsOf(CookDb, "SELECT * FROM FoodCollocation"), texts);
    EXPECT_EQ(rowsOf(CookDb, "SELECT * FROM CookShow"), dishes);
    EXPECT_EQ(rowsOf(CookDb, "SELECT * FROM CookFood"), ingredients);
}

// A food and its relations live in two files; when the relations cannot be written, the food is
// not kept either, so OK can simply be pressed again once the fault is gone.
TEST(LibraryTransactionsTest, AFoodAndItsRelationsAreAddedTogetherOrNotAtAll)
{
    TempDataFolder folder;
    folder.exec(CookDb, "INSERT INTO FoodType VALUES(1,0,'谷类');INSERT INTO FoodType VALUES(10,1,'米类');");
    folder.exec(GrightDb,
        "CREATE TRIGGER FailRelation BEFORE INSERT ON FoodPhaseg BEGIN SELECT RAISE(ABORT,'disk full'); END;");
    FoodForm form;
    form.topId = 1;
    form.subCategoryName = "米类";
    form.name = "小米";
    form.incompatibleWith = "苍耳";
    form.incompatibleNotes = "不宜同食";

    EXPECT_THROW(addFood(form), CppSQLite3Exception);
    EXPECT_TRUE(rowsOf(CookDb, "SELECT * FROM FoodShow").empty());
    EXPECT_TRUE(rowsOf(CookDb, "SELECT * FROM FoodCollocation").empty());

    folder.exec(GrightDb, "DROP TRIGGER FailRelation;");
    const auto again = addFood(form);
    ASSERT_TRUE(again.ok()) << again.message();
    EXPECT_EQ(rowsOf(CookDb, "SELECT FoodName FROM FoodShow"), (Rows { { "小米" } }));
    EXPECT_EQ(rowsOf(GrightDb, "SELECT PhasegSubject, PhasegObjects FROM FoodPhaseg"), (Rows { { "小米", "苍耳" } }));
}
