#pragma once

#include "../library/LibraryTestData.h"
#include "core/common/Clock.h"
#include "core/setmeals/SetMeals.h"

#include <gtest/gtest.h>
#include <memory>

namespace pelinor::test {

// A fresh data folder with the clock at 2026-05-06 08:09:10.
class SetMealFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        setProgramClock(std::make_shared<FixedClock>(DateTime { 2026, 5, 6, 8, 9, 10 }));
    }
    void TearDown() override
    {
        setProgramClock(std::make_shared<SystemClock>());
    }

    // A set meal with one item for each of the five meal times, named after the set meal.
    static SetMeal fullDay(const std::string& title, const std::string& object = "小班")
    {
        SetMeal setMeal { std::nullopt, title, object, {} };
        for (const char* meal : { "早餐", "早点", "午餐", "午点", "晚餐" }) {
            setMeal.items.push_back({ meal, title + meal, "50.00", "否", title + meal + ":50g；" });
        }
        return setMeal;
    }

    static Rows heads()
    {
        return rowsOf(PackageDb, "SELECT ID, PackageTitle, PackageDate, PackageObject FROM PackageName ORDER BY ID");
    }
    static Rows items()
    {
        return rowsOf(PackageDb, "SELECT * FROM PackageCook ORDER BY PcookID");
    }

    TempDataFolder m_folder;
};

} // namespace pelinor::test
