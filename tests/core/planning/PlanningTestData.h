#pragma once

#include "TempDataFolder.h"
#include "core/common/Clock.h"
#include "core/db/DatabaseCatalog.h"
#include "core/db/DatabaseConnection.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace pelinor::test {

// A data folder with a few foods, a dish, reference rows for four- and five-year-olds, two small
// classes, a child of its own, recommendations and a set meal. Today is Wednesday 2026-12-09.
class PlanningFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        setProgramClock(std::make_shared<FixedClock>(DateTime { 2026, 12, 9, 10, 0, 0 }));
        // Per 100 g: energy, protein, fat, carbohydrate.
        m_folder.exec(CookDb,
            "INSERT INTO FoodShow(FoodID, FoodName, FoodEnergy, FoodProtein, FoodFat, FoodCarbohydrate) VALUES"
            "(1, '大米', 350, 7.5, 0.9, 77.2), (2, '鸡蛋', 144, 13.3, 8.8, 2.8), (3, '苹果', 54, 0.2, 0.2, 13.5),"
            "(4, '花生油', 899, 0, 99.9, 0), (5, '无花果', 65, 1.5, 0.1, 16);"
            "INSERT INTO CookShow(CookID, CookName) VALUES(1, '鸡蛋饼');"
            "INSERT INTO CookFood VALUES(1, 1, 2, '主料', '60'), (2, 1, 1, '主料', '40');"
            "INSERT INTO CXC VALUES(1, '早点', '苹果', '100', '否'), (2, '午点', '苹果', '80', '否'),"
            "(3, '早餐', '鸡蛋饼', '150', '是'), (4, '早餐', '大米', '50', '否');");
        m_folder.exec(IntakeCriterionDb,
            "INSERT INTO CDRIS(ID, Age1, Sex, Energy, Protein, Fat) VALUES"
            "(1, 4, '男', 1400, 45, 50), (2, 4, '女', 1300, 40, 46), (3, 5, '男', 1500, 50, 52),"
            "(4, 5, '女', 1450, 48, 50);");
        // 小一班: two boys and a girl of four; 小二班: a five-year-old girl; 大班 is empty.
        child("26000001", "王小明", "男", "2022-03-01", "小一班", "青霉素；花生");
        child("26000002", "李小红", "女", "2022-07-15", "小一班", "鸡蛋");
        child("26000003", "赵小刚", "男", "2022-11-30", "小一班", "无");
        child("26000004", "陈小美", "女", "2021-05-20", "小二班", "无");
        child("26000005", "王小明", "女", "2021-01-02", "小二班", "无"); // a namesake in another class
        m_folder.exec(RecordDb, "INSERT INTO ClassInfo VALUES(1, '小一班'), (2, '小二班'), (3, '大班');");
        m_folder.exec(PackageDb,
            "INSERT INTO PackageName VALUES(0, '早午套餐', '2026-12-01', '小一班');"
            "INSERT INTO PackageCook VALUES(0, 0, '鸡蛋饼', '150', '早餐', '2026-12-01', '是', '鸡蛋:90g；大米:60g；'),"
            "(1, 0, '苹果', '100', '午点', '2026-12-01', '否', '苹果:100g；');");
    }

    void TearDown() override
    {
        setProgramClock(std::make_shared<SystemClock>());
    }

    void child(const std::string& archId,
        const std::string& name,
        const std::string& sex,
        const std::string& birth,
        const std::string& className,
        const std::string& allergy)
    {
        m_folder.exec(RecordDb,
            "INSERT INTO ArchivesBase(ArchID, ArchName, Gender, Birth, Class, StudentID, Allergy) VALUES('" + archId
                + "','" + name + "','" + sex + "','" + birth + "','" + className + "','0" + archId.substr(5) + "','"
                + allergy + "')");
    }

    static int count(int databaseId, const std::string& sql)
    {
        DatabaseConnection db(databaseId);
        return db.execQuery(sql).getIntField(0);
    }

    TempDataFolder m_folder;
};

} // namespace pelinor::test
