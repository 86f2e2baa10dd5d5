#include "core/setmeals/SetMealReference.h"

#include "SetMealTestData.h"

using namespace pelinor;

namespace {

class SetMealReferenceTest : public test::SetMealFixture
{
protected:
    void SetUp() override
    {
        test::SetMealFixture::SetUp();
        // Age 4 is stored boy first; the (Age1, Sex) index hands out the girl's row first.
        m_folder.exec(IntakeCriterionDb,
            "INSERT INTO CDRIS(ID, Age1, Sex, Energy, Protein, Fat) VALUES"
            "(1, 3, '女', 1100, 28, 36),"
            "(2, 4, '男', 1250, 30, 40),"
            "(3, 4, '女', 1200, 29, 38),"
            "(4, 6, '男', 1400, 35, 45);");
        // Age 5, a boy: every column its own value, 100 + its position.
        std::string columns = "ID, Age1, Sex";
        std::string values = "5, 5, '男'";
        const char* names[] = { "Energy", "Protein", "Fat", "Calcium", "Phosphorus", "Potassium", "Sodium", "Magnesium",
            "Iron", "Iodine", "Zinc", "Selenium", "Copper", "Fluorine", "Chromium", "Manganese", "Molybdenum",
            "VitaminA", "VitaminD", "VitaminE", "VitaminB1", "VitaminB2", "VitaminB6", "VitaminB12", "VitaminC" };
        for (int c = 6; c <= 30; ++c) {
            columns += std::string(", ") + names[c - 6];
            values += ", " + std::to_string(100 + c);
        }
        m_folder.exec(IntakeCriterionDb, "INSERT INTO CDRIS(" + columns + ") VALUES(" + values + ");");
    }
    void child(const char* sex, const char* birth, const char* className)
    {
        m_folder.exec(RecordDb,
            std::string("INSERT INTO ArchivesBase(ArchID, Gender, Birth, Class) VALUES('x','") + sex + "','" + birth
                + "','" + className + "')");
    }
};

TEST_F(SetMealReferenceTest, PanelValuesComeFromTheirColumnsInPanelOrder)
{
    child("男", "2021-09-01", "甲"); // 5 years old in 2026
    const auto reference = SetMealReference("甲");
    // 能量 蛋白质 脂肪 碳水化合物 钙 磷 钾 钠 镁 铁 锌 硒 铜 锰 碘 维生素C 维生素E 维生素A 维生素B1
    const std::array<float, 19> expected = { 106, 107, 108, 15.90000057220459f, 109, 110, 111, 112, 113, 114, 116, 117,
        118, 121, 115, 130, 125, 123, 126 };
    EXPECT_EQ(reference.values, expected);
    EXPECT_EQ(reference.boys, 1);
    EXPECT_FALSE(reference.fallback);
}

TEST_F(SetMealReferenceTest, ChildrenCountBeforeTheTableIsAskedAndNobodyGivesTheFirstRowOfAge4)
{
    child("男", "2021-01-01", "乙"); // 5: its row, energy 106
    child("男", "2017-01-01", "乙"); // 9: no row, still counted
    child("男", "2022-03-01", "丙"); // 4: 1250
    child("男", "2022-03-01", "丙");
    child("女", "2022-03-01", "丙"); // 4: 1200
    child("女", "2023-03-01", "丁"); // 3: 1100
    child("其他", "2020-03-01", "丁"); // 6, a girl by the rule: no girls' row of age 6
    child("女", "2022-03-01", ""); // in no class
    struct Case
    {
        const char* object;
        float energy;
        float fat;
        int boys;
        int girls;
        bool fallback;
    };
    const Case cases[] = {
        { "乙", 53.0f, 54.0f, 2, 0, false }, // (106 + 0) / 2, (108 + 0) / 2
        { "丙", 1225.0f, 39.0f, 2, 1, false }, // (1250 + 1200) / 2: the two sex means weigh alike
        { "丁", 550.0f, 18.0f, 0, 2, false },
        { "乙；丙；", 925.75f, 42.5f, 4, 1, false }, // boys (106 + 0 + 2 × 1250) / 4 = 651.5, girls 1200
        { "", 1250.0f, 40.0f, 0, 0, true }, // the boy's row: stored first
        { "；", 1250.0f, 40.0f, 0, 0, true }, // the child without a class does not count
        { "没有孩子的班", 1250.0f, 40.0f, 0, 0, true },
    };
    for (const auto& c : cases) {
        const auto reference = SetMealReference(c.object);
        EXPECT_FLOAT_EQ(reference.values[0], c.energy) << c.object;
        EXPECT_FLOAT_EQ(reference.values[2], c.fat) << c.object;
        EXPECT_EQ(reference.boys, c.boys) << c.object;
        EXPECT_EQ(reference.girls, c.girls) << c.object;
        EXPECT_EQ(reference.fallback, c.fallback) << c.object;
    }
}

TEST_F(SetMealReferenceTest, CarbohydrateAndMealSharesAreSinglePrecision)
{
    const auto fallback = SetMealReference("");
    EXPECT_EQ(fallback.values[3], 187.5f); // 1250 × 0.6f × 0.25f
    struct Case
    {
        int meal;
        std::array<float, 4> values;
    };
    const Case cases[] = {
        { 0, { 250.0f, 6.0f, 8.0f, 37.5f } },
        { 1, { 125.0f, 3.0f, 4.0f, 18.75f } },
        { 2, { 375.0f, 9.0f, 12.0f, 56.25f } },
        { 3, { 125.0f, 3.0f, 4.0f, 18.75f } },
        { 4, { 375.0f, 9.0f, 12.0f, 56.25f } },
    };
    for (const auto& c : cases) {
        const auto values = setMealMealReference(fallback, c.meal);
        for (int i = 0; i < 4; ++i) {
            EXPECT_FLOAT_EQ(values[static_cast<std::size_t>(i)], c.values[static_cast<std::size_t>(i)]) << c.meal;
        }
    }
}

} // namespace
