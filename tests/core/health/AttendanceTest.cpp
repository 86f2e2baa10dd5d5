#include "core/health/Attendance.h"

#include "HealthFixture.h"

using namespace pelinor;

namespace {

class AttendanceTest : public test::HealthFixture
{
protected:
    void event(int id,
        const std::string& className,
        const std::string& archId,
        const std::string& kind,
        const std::string& date,
        const std::string& remark = "")
    {
        exec(RecordDb,
            formatSql("INSERT INTO  KaoQin VALUES('%d','%s','某某','%s','%s','%s','%s')", id, className, kind, date,
                remark, archId));
    }
    using Counts = std::array<int, kAttendanceKindCount>;
};

TEST_F(AttendanceTest, AnEventNeedsAClassAChildAndAKindAndComesOnlyOncePerDay)
{
    struct Case
    {
        AttendanceEntry entry;
        const char* message;
        int id;
    };
    const Case cases[] = {
        { { "2026-12-01", "", "", "", "迟到", "" }, "请选择班级！", 0 },
        { { "2026-12-01", "大班", "", "", "迟到", "" }, "请选择对象！", 0 },
        { { "2026-12-01", "大班", "甲", "26000001", "旷课", "" }, "请选择考勤事项！", 0 },
        { { "2026-12-01", "大班", "甲", "26000001", "迟到", "堵车" }, "", 1 },
        { { "2026-12-01", "大班", "甲", "26000001", "迟到", "又一次" }, "该信息已经存在！", 0 },
        { { "2026-12-01", "大班", "甲", "26000001", "早退", "" }, "", 2 }, // another kind, same day
        { { "2026-12-02", "大班", "甲", "26000001", "迟到", "" }, "", 3 }, // the same kind, another day
        { { "2026-12-01", "大班", "甲", "26000002", "迟到", "" }, "", 4 }, // a namesake
    };
    for (const auto& c : cases) {
        const auto outcome = registerAttendance(c.entry);
        EXPECT_EQ(outcome.message(), c.message) << c.entry.kind << c.entry.date << c.entry.archId;
        EXPECT_EQ(outcome.caption(), ""); // the program's title
        if (outcome.ok()) {
            EXPECT_EQ(*outcome, c.id);
        }
    }
    const auto stored = rows(RecordDb, "SELECT * FROM KaoQin WHERE ID = 1");
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0], (std::vector<std::string> { "1", "大班", "甲", "迟到", "2026-12-01", "堵车", "26000001" }));
    EXPECT_EQ(count(RecordDb, "KaoQin"), 4u);
}

TEST_F(AttendanceTest, CountsCoverTheRangeWithBothEndsOrEveryDate)
{
    addChild("26000001", "甲", "大班");
    addChild("26000002", "乙", "大班");
    addChild("26000003", "丙", "大班"); // no events at all
    addChild("26000004", "丁", "中班");
    event(1, "大班", "26000001", "迟到", "2026-11-01"); // the first day
    event(2, "大班", "26000001", "迟到", "2026-11-30"); // the last day
    event(3, "大班", "26000001", "病假", "2026-10-31");
    event(4, "大班", "26000001", "事假", "2026-12-01");
    event(5, "大班", "26000001", "旷课", "2026-11-10"); // not a kind: not counted
    event(6, "大班", "26000001", "其他", "2026-11-11");
    event(7, "中班", "26000001", "早退", "2026-11-12"); // held under another class
    event(8, "大班", "26000002", "迷路", "2026-11-20"); // only an unknown kind in the range
    event(9, "大班", "26000002", "早退", "2026-12-03");
    event(10, "大班", "26000002", "早退", "2026-12-04");
    event(11, "中班", "26000004", "病假", "2026-11-05");

    const DateRange november { "2026-11-01", "2026-11-30" };
    EXPECT_EQ(attendanceStatistics("大班", november),
        (std::vector<AttendanceCount> { { "26000001", "甲", Counts { 2, 0, 0, 0, 1 } } }));
    EXPECT_EQ(attendanceStatistics("大班", std::nullopt),
        (std::vector<AttendanceCount> {
            { "26000001", "甲", Counts { 2, 0, 1, 1, 1 } }, { "26000002", "乙", Counts { 0, 2, 0, 0, 0 } } }));
    EXPECT_EQ(attendanceStatistics("中班", november),
        (std::vector<AttendanceCount> { { "26000004", "丁", Counts { 0, 0, 1, 0, 0 } } }));
    EXPECT_TRUE(attendanceStatistics("大班", DateRange { "2026-12-05", "2026-12-31" }).empty());
}

TEST_F(AttendanceTest, TheDetailListsTheChildsEventsOverTheSameScopeByDate)
{
    event(1, "大班", "26000001", "迟到", "2026-11-20", "下雨");
    event(2, "大班", "26000001", "病假", "2026-11-02", "发烧");
    event(3, "大班", "26000001", "事假", "2026-12-01");
    event(4, "大班", "26000002", "迟到", "2026-11-05");
    event(5, "中班", "26000001", "早退", "2026-11-06");
    EXPECT_EQ(attendanceEvents("大班", "26000001", DateRange { "2026-11-02", "2026-11-30" }),
        (std::vector<AttendanceEvent> { { 2, "2026-11-02", "病假", "发烧" }, { 1, "2026-11-20", "迟到", "下雨" } }));
    EXPECT_EQ(attendanceEvents("大班", "26000001", std::nullopt).size(), 3u);
}

TEST_F(AttendanceTest, DeletingAnEventTakesItsCopiesButNothingElse)
{
    event(1, "大班", "26000001", "迟到", "2026-11-20");
    event(2, "大班", "26000001", "迟到", "2026-11-20"); // a copy from an imported file
    event(3, "大班", "26000001", "早退", "2026-11-20");
    event(4, "大班", "26000001", "迟到", "2026-11-21");
    event(5, "大班", "26000002", "迟到", "2026-11-20"); // a namesake
    event(6, "", "", "迟到", "2026-11-20"); // a stray row without a child
    event(7, "", "", "迟到", "2026-11-20");
    deleteAttendanceEvent(2);
    deleteAttendanceEvent(6);
    deleteAttendanceEvent(42); // gone already: nothing happens
    EXPECT_EQ(rows(RecordDb, "SELECT ID FROM KaoQin ORDER BY ID"),
        (std::vector<std::vector<std::string>> { { "3" }, { "4" }, { "5" }, { "7" } }));
}

TEST(AttendanceKindsTest, KindsKeepTheirColumnOrder)
{
    EXPECT_EQ(attendanceKindIndex("迟到"), 0);
    EXPECT_EQ(attendanceKindIndex("早退"), 1);
    EXPECT_EQ(attendanceKindIndex("病假"), 2);
    EXPECT_EQ(attendanceKindIndex("事假"), 3);
    EXPECT_EQ(attendanceKindIndex("其他"), 4);
    EXPECT_EQ(attendanceKindIndex("迟到 "), -1);
    EXPECT_EQ(scopeText(std::nullopt), "时间：全部");
    EXPECT_EQ(scopeText(DateRange { "2026-11-01", "2026-11-30" }), "时间：2026-11-01 到 2026-11-30");
}

} // namespace
