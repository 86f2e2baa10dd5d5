#pragma once

// One day of a plan for a five-year-old girl: six rows over nine foods of different groups, with
// reference intakes and children chosen so that the expectations can be worked out by hand (the
// single-precision ones with python's struct module). Tests change the day through replaceDay().

#include "TempDataFolder.h"
#include "core/analysis/PlanDayAnalysis.h"
#include "core/common/Clock.h"
#include "core/db/DatabaseCatalog.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace pelinor::test {

struct DayRow
{
    std::string meal;
    std::string name;
    std::string composition;
    std::string weight;
};

class AnalysisDayTest : public ::testing::Test
{
protected:
    static constexpr int kGirlPlan = 0; // personal plan of 杨小米, archive number 21000001
    static constexpr int kClassPlan = 1; // 大班；中班
    static constexpr int kByNamePlan = 2; // personal plan of 杨小米 without an archive number
    static constexpr int kMissingChildPlan = 3; // an archive number nobody has

    void SetUp() override
    {
        setProgramClock(std::make_shared<FixedClock>(DateTime { 2026, 3, 5, 10, 0, 0 }));
        // Columns 6 … 37 of the foods: energy, protein, fat, carbohydrate, fibre, vitamin A, B6, B12,
        // niacin, C, E, calcium, phosphorus, potassium, sodium, magnesium, iron, zinc, selenium,
        // copper, manganese, iodine. The energies are chosen so that the day gives exactly 900 kcal,
        // the sodium 990 mg and the vitamin C 50 mg.
        m_folder.exec(CookDb,
            "INSERT INTO FoodShow(FoodID, FoodBigTypeID, FoodName, FoodEnergy, FoodProtein, FoodFat, "
            "FoodCarbohydrate, FoodFibre, FoodVitaminA, FoodVitaminB6, FoodVitaminB12, FoodNiacin, FoodVitaminC, "
            "FoodVitaminE, FoodCalcium, FoodPhosphorus, FoodPotassium, FoodSodium, FoodMagnesium, FoodIron, "
            "FoodZinc, FoodSelenium, FoodCopper, FoodManganese, FoodIodine) VALUES"
            "(1, 1, '米饭', 150,2.6,0.3,25.9,0.35,0,0.03,0,1.9,0,0,7,62,30,0,15,1.3,0.92,0.4,0.06,0.58,0),"
            "(2, 2, '土豆', 75,2,0.2,17.2,0.7,0,0.18,0,1.1,0,0.34,8,40,342,0,23,0.8,0.37,0.78,0.12,0.14,0),"
            "(3, 4, '青菜', 25,1.5,0.3,2.7,1.1,280,0.1,0,0.7,25,0.7,90,36,178,660,18,1.9,0.51,1.17,0.08,0.27,0),"
            "(4, 6, '苹果', 50,0.2,0.2,13.5,1.2,3,0.04,0,0,12.5,2.12,4,12,119,0,4,0.6,0.19,0.12,0.06,0.03,0),"
            "(5, 8, '猪肉', 200,20.3,6.2,1.5,0,44,0.45,0.7,5.3,0,0.34,6,189,305,0,25,3,2.99,9.5,0.11,0.03,0),"
            "(6, 11, '鸡蛋', 150,13.3,8.8,2.8,0,234,0.17,1,0.2,0,1.84,56,130,154,0,10,2,1.1,14.34,0.15,0.04,27.2),"
            "(7, 3, '豆腐', 75,8.1,3.7,4.2,0.4,0,0.05,0,0.2,0,2.71,164,119,125,0,27,1.9,1.11,2.3,0.27,0.47,0),"
            "(8, 10, '牛奶', 50,3,3.2,3.4,0,24,0.04,0.4,0.1,0,0.21,104,73,109,0,11,0.3,0.42,1.94,0.02,0,1.9),"
            "(9, 18, '花生油', 800,0,99.9,0,0,0,0,0,0,0,42.06,12,15,1,0,2,2.9,0.48,0,0.15,0.33,0);");
        // A second row of the same name is never read.
        m_folder.exec(
            CookDb, "INSERT INTO FoodShow(FoodID, FoodBigTypeID, FoodName, FoodEnergy) VALUES(10, 1, '米饭', 9999)");

        m_folder.exec(IntakeCriterionDb,
            "INSERT INTO CDRIS(ID, Age1, Sex, Energy, Protein, Fat, Calcium, Phosphorus, Potassium, Sodium, Magnesium, "
            "Iron, Iodine, Zinc, Selenium, Copper, Manganese, VitaminA, VitaminE, VitaminB1, VitaminB6, VitaminB12, "
            "VitaminC) VALUES"
            "(1, 5, '女', 1000, 30, 40, 800, 350, 1200, 900, 160, 10, 90, 5.5, 30, 0.4, 2.0, 360, 7, 0.8, 0.7, 1.2, "
            "50),"
            "(2, 5, '男', 1200, 35, 45, 800, 350, 1200, 900, 160, 10, 90, 5.5, 30, 0.4, 2.0, 360, 7, 0.8, 0.7, 1.2, "
            "50),"
            "(3, 4, '男', 1100, 32, 42, 800, 350, 1200, 900, 160, 10, 90, 5.5, 30, 0.4, 2.0, 360, 7, 0.8, 0.7, 1.2, "
            "50);");

        // The namesake comes first, so that a look-up by name would find him.
        std::string children;
        child(children, "22000009", "杨小米", "男", "104.0", "16.9", "2022-03-20", "中班", "B");
        child(children, "21000001", "杨小米", "女", "110.0", "18.5", "2021-01-15", "大班", "A");
        child(children, "21000002", "王小虎", "男", "112.4", "19.6", "2021-06-20", "大班", "O");
        child(children, "22000003", "李明", "男", "103.0", "16.0", "2022-02-10", "中班", "AB");
        child(
            children, "22000004", "赵小雨", "女", "100.6", "15.5", "2022-09-01", "中班", "A"); // 4 years: no girls' row

        m_folder.exec(RecordDb, "BEGIN;" + children + "COMMIT;");

        std::string plans;
        plan(plans, kGirlPlan, "杨小米一日食谱", "个人", "杨小米", "21000001");
        plan(plans, kClassPlan, "大班中班一日食谱", "团体", "大班；中班", "");
        plan(plans, kByNamePlan, "按姓名的食谱", "个人", "杨小米", "");
        plan(plans, kMissingChildPlan, "找不到孩子的食谱", "个人", "杨小米", "99999999");
        m_folder.exec(PantryDb, "BEGIN;" + plans + "COMMIT;");
        for (int id : { kGirlPlan, kClassPlan, kByNamePlan, kMissingChildPlan }) {
            replaceDay(id, baseDay());
        }
    }

    void TearDown() override
    {
        setProgramClock(std::make_shared<SystemClock>());
    }

    // Stored out of meal order on purpose. The steamed egg's stored weight (110 g, water included)
    // differs from its composition (70 g, 20 g of a food the catalogue lacks).
    static std::vector<DayRow> baseDay()
    {
        return {
            { "午餐", "土豆烧肉", "猪肉:50g；土豆:100g；花生油:10g；", "160" },
            { "早餐", "牛奶", "牛奶:200g；", "200" },
            { "早点", "苹果", "苹果:100g；", "100" },
            { "午餐", "米饭", "米饭:230g；", "230" },
            { "午点", "鸡蛋羹", "鸡蛋:50g；未知食物:20g；", "110" },
            { "晚餐", "青菜豆腐", "青菜:150g；豆腐:50g；", "200" },
        };
    }

    void replaceDay(int planId, const std::vector<DayRow>& rows, const std::string& date = "2026-03-05")
    {
        std::string sql = "BEGIN; DELETE FROM PantryCook WHERE PcookPID = " + std::to_string(planId) + ";";
        for (const DayRow& row : rows) {
            sql += "INSERT INTO PantryCook VALUES(" + std::to_string(m_nextRow++) + ", " + std::to_string(planId)
                + ", '" + row.name + "', '" + row.composition + "', '一天', '" + row.meal + "', '" + date + "', '是', '"
                + row.weight + "');";
        }
        m_folder.exec(PantryDb, sql + "COMMIT;");
    }

    void replaceDay(const std::vector<DayRow>& rows)
    {
        replaceDay(kGirlPlan, rows);
    }

    PlanDayAnalysis analyse(int planId = kGirlPlan)
    {
        return AnalysePlanDay(planId, "一天");
    }

    TempDataFolder m_folder;

private:
    static void child(std::string& sql,
        const char* archId,
        const char* name,
        const char* sex,
        const char* height,
        const char* weight,
        const char* birth,
        const char* className,
        const char* blood)
    {
        sql += std::string("INSERT INTO ArchivesBase(ArchID, ArchName, Gender, Height, Weight, Birth, Class, ABOBlood) "
                           "VALUES('")
            + archId + "','" + name + "','" + sex + "','" + height + "','" + weight + "','" + birth + "','" + className
            + "','" + blood + "');";
    }

    static void plan(
        std::string& sql, int id, const char* name, const char* kind, const char* subjects, const char* archId)
    {
        sql += "INSERT INTO PantryRecord VALUES(" + std::to_string(id) + ", '" + name
            + "', '一天', '2026-03-01', 'admin', '" + kind + "', '" + subjects + "', '2026-03-05', '" + archId + "');";
    }

    int m_nextRow = 0;
};

} // namespace pelinor::test
