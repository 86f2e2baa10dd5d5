// Checks of the demo health records: every record belongs to a child of the demo, under the
// child's class, and follows the rules the health screens enforce.
#include "DatabaseRows.h"
#include "TempDataFolder.h"
#include "core/common/CalendarDate.h"
#include "core/common/NumberFormat.h"
#include "core/db/CppSQLite3DB.h"
#include "core/db/DatabaseCatalog.h"
#include "core/health/Attendance.h"
#include "core/health/DueVaccinations.h"
#include "core/health/Examinations.h"

#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <set>
#include <tuple>

using namespace pelinor;

namespace {

using test::rowsOf;

class HealthDemoDataTest : public ::testing::Test
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

    // Archive number -> (name, class, birth).
    static std::map<std::string, std::tuple<std::string, std::string, std::string>> children()
    {
        std::map<std::string, std::tuple<std::string, std::string, std::string>> found;
        for (const auto& row : rowsOf(RecordDb, "SELECT ArchID, ArchName, Class, Birth FROM ArchivesBase")) {
            found[row[0]] = { row[1], row[2], row[3] };
        }
        return found;
    }

    static std::unique_ptr<test::TempDataFolder> s_folder;
};

std::unique_ptr<test::TempDataFolder> HealthDemoDataTest::s_folder;

TEST_F(HealthDemoDataTest, ExaminationsAreOnePerChildAndDayWithTheFormsBmi)
{
    const auto kids = children();
    const auto exams = rowsOf(SysManagerDb,
        "SELECT ID, Name, Class, StudentID, Height, Weight, BMI, TiJianDate, Doctor "
        "FROM KqCheckIn");
    EXPECT_GE(exams.size(), kids.size()); // everybody had the autumn check
    std::set<std::string> ids;
    std::set<std::tuple<std::string, std::string, std::string>> keys;
    for (const auto& e : exams) {
        EXPECT_TRUE(ids.insert(e[0]).second) << "ID " << e[0];
        EXPECT_TRUE(keys.insert({ e[2], e[3], e[7] }).second) << e[3] << " twice on " << e[7];
        const auto child = kids.find(e[3]);
        ASSERT_NE(child, kids.end()) << e[3];
        EXPECT_EQ(e[1], std::get<0>(child->second));
        EXPECT_EQ(e[2], std::get<1>(child->second));
        const auto bmi = bodyMassIndex(std::stof(e[4]), std::stof(e[5]));
        ASSERT_TRUE(bmi) << e[0];
        EXPECT_EQ(formatFixed(*bmi, 3), formatFixed(std::stod(e[6]), 3)) << e[0];
        EXPECT_TRUE(parseCalendarDate(e[7])) << e[7];
        EXPECT_FALSE(e[8].empty());
    }
    EXPECT_FALSE(listExaminations("大班", DateRange { "2026-11-01", "2026-11-30" }).empty());
}

TEST_F(HealthDemoDataTest, AttendanceEventsAreKnownKindsOncePerChildDayAndKind)
{
    const auto kids = children();
    std::set<std::tuple<std::string, std::string, std::string>> keys;
    const auto events = rowsOf(RecordDb, "SELECT ID, Class, Name, KaoQin, Time, ArchID FROM KaoQin");
    EXPECT_GE(events.size(), 100u);
    for (const auto& e : events) {
        EXPECT_GE(attendanceKindIndex(e[3]), 0) << e[3];
        EXPECT_TRUE(keys.insert({ e[5], e[4], e[3] }).second) << e[5] << e[4] << e[3];
        const auto date = parseCalendarDate(e[4]);
        ASSERT_TRUE(date) << e[4];
        EXPECT_LT(date->weekday(), 5) << e[4];
        const auto child = kids.find(e[5]);
        ASSERT_NE(child, kids.end()) << e[5];
        EXPECT_EQ(e[1], std::get<1>(child->second));
        EXPECT_EQ(e[2], std::get<0>(child->second));
    }
    EXPECT_FALSE(attendanceStatistics("中班", std::nullopt).empty());
}

TEST_F(HealthDemoDataTest, VaccinationsNameCatalogueVaccinesAndFollowBirth)
{
    const auto kids = children();
    std::set<std::string> vaccines;
    for (const auto& row : rowsOf(SysManagerDb, "SELECT YmName FROM Myym")) {
        vaccines.insert(row[0]);
    }
    std::set<std::tuple<std::string, std::string, std::string, std::string>> keys;
    for (const auto& v : rowsOf(SysManagerDb, "SELECT Class, Name, YmName, JzDate, ArchID, JzAddress FROM YmCheckIn")) {
        EXPECT_TRUE(vaccines.count(v[2])) << v[2];
        EXPECT_TRUE(keys.insert({ v[0], v[2], v[3], v[4] }).second) << v[4] << v[2] << v[3];
        const auto child = kids.find(v[4]);
        ASSERT_NE(child, kids.end()) << v[4];
        EXPECT_EQ(v[0], std::get<1>(child->second));
        EXPECT_EQ(v[1], std::get<0>(child->second));
        const auto given = parseCalendarDate(v[3]);
        const auto born = parseCalendarDate(std::get<2>(child->second));
        ASSERT_TRUE(given && born);
        EXPECT_LE(*born, *given) << v[4] << v[2];
        EXPECT_LE(*given, (CalendarDate { 2026, 12, 6 })) << v[4] << v[2];
        EXPECT_FALSE(v[5].empty());
    }
    // The demo shows the due list on the day it was made.
    EXPECT_FALSE(dueVaccinations("大班", { 2026, 12, 6 }).empty());
    EXPECT_FALSE(dueVaccinations("小班", { 2026, 12, 6 }).empty());
}

} // namespace
