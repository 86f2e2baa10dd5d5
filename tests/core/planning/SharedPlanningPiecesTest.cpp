#include "TempDataFolder.h"
#include "core/db/DatabaseCatalog.h"
#include "core/db/DatabaseConnection.h"
#include "core/db/NextId.h"
#include "core/db/UnitOfWork.h"
#include "core/library/DishScaling.h"
#include "core/planning/IntakeReference.h"

#include <gtest/gtest.h>
#include <stdexcept>

using namespace pelinor;

namespace {

int countRows(int databaseId, const std::string& table)
{
    DatabaseConnection db(databaseId);
    return db.execQuery("SELECT COUNT(*) FROM " + table).getIntField(0);
}

} // namespace

TEST(NextIdTest, IsOneMoreThanTheLargestOrTheBase)
{
    test::TempDataFolder folder;
    DatabaseConnection db(PackageDb);
    EXPECT_EQ(nextId(db, "PackageName", "ID", 0), 0);
    EXPECT_EQ(nextId(db, "PackageName", "ID", 1), 1);
    folder.exec(PackageDb,
        "INSERT INTO PackageName VALUES('0','a','',''); INSERT INTO PackageName VALUES('9','b','','');"
        "INSERT INTO PackageName VALUES('2','c','','');");
    EXPECT_EQ(nextId(db, "PackageName", "ID", 0), 10); // compared as numbers: '9' < '10' would be text order
    EXPECT_EQ(nextId(db, "PackageName", "ID", 0, "WHERE ID < 5"), 3);
    EXPECT_EQ(nextId(db, "PackageName", "ID", 0, "WHERE ID > 100"), 0);
}

TEST(UnitOfWorkTest, ChangesToSeveralFilesStayTogetherOrNotAtAll)
{
    test::TempDataFolder folder;
    const auto writeBoth = [](bool keep) {
        UnitOfWork work(PackageDb, { CookDb });
        EXPECT_EQ(UnitOfWork::schemaName(CookDb), "cook");
        work.db().execQuery("INSERT INTO PackageName VALUES('0','套餐','','')");
        work.db().execQuery("INSERT INTO cook.FoodShow(FoodID, FoodName) VALUES(1, '大米')");
        if (!keep) {
            throw std::runtime_error("part-way");
        }
        work.commit();
    };
    EXPECT_THROW(writeBoth(false), std::runtime_error);
    EXPECT_EQ(countRows(PackageDb, "PackageName"), 0);
    EXPECT_EQ(countRows(CookDb, "FoodShow"), 0);
    writeBoth(true);
    EXPECT_EQ(countRows(PackageDb, "PackageName"), 1);
    EXPECT_EQ(countRows(CookDb, "FoodShow"), 1);
    EXPECT_EQ(UnitOfWork::schemaName(EvaluationDb), "evaluation");
    EXPECT_EQ(UnitOfWork::schemaName(RecordDb), "record");
}

class IntakeReferenceTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // Hand-picked values: the boys' and girls' rows differ in every column the tests read.
        m_folder.exec(IntakeCriterionDb,
            "INSERT INTO CDRIS(ID, Age1, Sex, Energy, Protein, Fat, Iodine, VitaminC, VitaminB6) VALUES"
            "(1, 4, '男', 1250, 30, 40, 90, 50, 0.6),"
            "(2, 4, '女', 1200, 30, 38, 90, 50, 0.6),"
            "(3, 5, '男', 1300, 35, 43, 90, 60, 0.7),"
            "(4, 5, '女', 1250, 35, 42, 90, 60, 0.7),"
            "(5, 1, '男', 900, 25, 35, 90, 40, 0.6),"
            "(6, 4, '男', 9999, 99, 99, 99, 99, 9)," // a second boys' row of age 4 is never read
            "(7, 5, '未知', 1111, 35, 42, 90, 60, 0.7);");
    }
    void child(const char* archId, const char* name, const char* sex, const char* birth, const char* className)
    {
        m_folder.exec(RecordDb,
            std::string("INSERT INTO ArchivesBase(ArchID, ArchName, Gender, Birth, Class) VALUES('") + archId + "','"
                + name + "','" + sex + "','" + birth + "','" + className + "')");
    }
    test::TempDataFolder m_folder;
};

TEST_F(IntakeReferenceTest, AClassIsTheMeanOfTheTwoSexMeans)
{
    for (const char* id : { "1", "2", "3" }) {
        child(id, "男孩", "男", "2022-05-01", "小一班");
    }
    child("4", "女孩", "女", "2022-12-31", "小一班");
    child("5", "男孩五岁", "男", "2021-01-01", "小二班");
    child("6", "没有行的孩子", "男", "2019-06-01", "小一班"); // 7 years old: no row, not counted

    const IntakeReference one = ComputeSubjectReference({ "团体", "小一班", "" }, 2026);
    EXPECT_FLOAT_EQ(one[SlotEnergy], 1225.0f); // (1250 + 1200) / 2, not (3 × 1250 + 1200) / 4
    EXPECT_FLOAT_EQ(one[SlotFat], 39.0f);
    EXPECT_FLOAT_EQ(one[SlotCarbohydrate], 183.75f); // (3750 × 0.6 × 0.25 / 3 + 1200 × 0.15) / 2
    EXPECT_FLOAT_EQ(one[SlotVitaminB6], 0.6f);

    // Two classes; a trailing separator and a class without children change nothing.
    const SubjectIntake two = subjectIntake({ "团体", "小一班；小二班；没有的班；", "" }, 2026);
    EXPECT_EQ(two.boys, 4);
    EXPECT_EQ(two.girls, 1);
    EXPECT_FLOAT_EQ(two[intake_column::Energy], ((3 * 1250.0f + 1300.0f) / 4 + 1200.0f) * 0.5f);
    EXPECT_FLOAT_EQ(two[intake_column::Iodine], 90.0f);
}

TEST_F(IntakeReferenceTest, AgesCountWholeYearsFromTheGivenYear)
{
    child("1", "一岁", "男", "2025-12-31", "甲");
    child("2", "零岁", "男", "2026-01-01", "乙");
    child("3", "没有生日", "男", "", "丙");
    child("4", "性别不明", "未知", "2021-03-01", "丁");
    child("5", "性别空白", "", "2021-03-01", "戊");
    struct Case
    {
        const char* className;
        int year;
        float energy;
        int boys;
        int girls;
    };
    const Case cases[] = {
        { "甲", 2026, 900.0f, 1, 0 }, // born on the last day of the year before: one year old
        { "乙", 2026, 0.0f, 0, 0 }, // born on the first day of the same year: zero, no row
        { "乙", 2027, 900.0f, 1, 0 }, { "丙", 2026, 0.0f, 0, 0 }, // no birth date: the age is the year itself
        { "丁", 2026, 1111.0f, 0, 1 }, // a sex text other than "男" counts as a girl
        { "戊", 2026, 0.0f, 0, 0 }, // a row is looked up by the sex text itself: none for ""
    };
    for (const auto& c : cases) {
        const SubjectIntake intake = subjectIntake({ "团体", c.className, "" }, c.year);
        EXPECT_FLOAT_EQ(intake[intake_column::Energy], c.energy) << c.className << c.year;
        EXPECT_EQ(intake.boys, c.boys) << c.className;
        EXPECT_EQ(intake.girls, c.girls) << c.className;
    }
}

TEST_F(IntakeReferenceTest, APersonalPlanFindsItsChildByArchiveNumber)
{
    child("26000001", "小明", "女", "2021-04-01", "甲");
    child("26000002", "小明", "男", "2022-04-01", "乙");
    EXPECT_FLOAT_EQ(ComputeSubjectReference({ "个人", "小明", "26000002" }, 2026)[SlotEnergy], 1250.0f);
    // Without a stored number the first child of the name counts.
    EXPECT_FLOAT_EQ(ComputeSubjectReference({ "个人", "小明", "" }, 2026)[SlotEnergy], 1250.0f * 1.0f);
    EXPECT_FLOAT_EQ(ComputeSubjectReference({ "个人", "小明", "" }, 2026)[SlotProtein], 35.0f);
    const IntakeReference nobody = ComputeSubjectReference({ "个人", "小明", "99999999" }, 2026);
    for (float value : nobody.values) {
        EXPECT_EQ(value, 0.0f);
    }
    EXPECT_FLOAT_EQ(carbohydrateForEnergy(1400.0f), 210.00001525878906f);
}

TEST(DishScalingTest, ScalesEveryRowOrOnlyTheMainIngredients)
{
    test::TempDataFolder folder;
    folder.exec(CookDb,
        "INSERT INTO FoodShow(FoodID, FoodName) VALUES(1, '大米'), (2, '小米'), (3, '盐');"
        "INSERT INTO CookShow(CookID, CookName) VALUES(7, '儿童粥'), (8, '空菜');"
        "INSERT INTO CookFood VALUES(1, 7, 1, '主料', '30'), (2, 7, 2, '主料', '10'), (3, 7, 3, '调料', '1'),"
        "(4, 8, 1, '主料', '0');");
    struct Case
    {
        const char* dish;
        float weight;
        DishScaling mode;
        const char* composition;
    };
    const Case cases[] = {
        // total 41 g: 30 × 82 / 41 = 60, 10 × 82 / 41 = 20; the salt counts in the total only
        { "儿童粥", 82.0f, DishScaling::MainIngredients, "大米:60.00g；小米:20.00g；" },
        { "儿童粥", 50.0f, DishScaling::MainIngredients, "大米:36.59g；小米:12.20g；" },
        // 73.17, 24.39, 2.44 rounded to whole grams
        { "儿童粥", 100.0f, DishScaling::WholeDish, "大米:73g；小米:24g；盐:2g；" },
        { "空菜", 100.0f, DishScaling::WholeDish, "大米:0g；" },
        { "没有的菜", 100.0f, DishScaling::WholeDish, "" },
    };
    DatabaseConnection cook(CookDb);
    for (const auto& c : cases) {
        EXPECT_EQ(scaleDishComposition(cook, c.dish, c.weight, c.mode), c.composition) << c.dish << c.weight;
    }
    EXPECT_EQ(ScaleDish("儿童粥", 41.0f), "大米:30g；小米:10g；盐:1g；");
    EXPECT_EQ(ScaleMainIngredients("儿童粥", 41.0f), "大米:30.00g；小米:10.00g；");
}
