#include "core/demo/LargeDemoPeople.h"

#include "core/common/DecimalText.h"
#include "core/common/ItemList.h"
#include "core/common/NumberFormat.h"
#include "core/db/CppSQLite3DB.h"
#include "core/demo/DemoRandom.h"
#include "core/demo/SchoolCalendar.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <set>
#include <stdexcept>
#include <tuple>

namespace pelinor {

namespace {

using schoolcalendar::kLastDay;

struct Weighted
{
    const char* text;
    int weight;
};

// The three built-in classes, then the classes the kindergarten opened as it grew.
struct ClassName
{
    const char* name;
    int ageGroup;
};
constexpr std::array<ClassName, 20> kClassNames = { {
    { "小班", 1 },
    { "中班", 2 },
    { "大班", 3 },
    { "小二班", 1 },
    { "中二班", 2 },
    { "大二班", 3 },
    { "小三班", 1 },
    { "中三班", 2 },
    { "大三班", 3 },
    { "小四班", 1 },
    { "中四班", 2 },
    { "大四班", 3 },
    { "小五班", 1 },
    { "中五班", 2 },
    { "大五班", 3 },
    { "小六班", 1 },
    { "中六班", 2 },
    { "大六班", 3 },
    { "托一班", 0 },
    { "托二班", 0 },
} };

constexpr const char* kSchool = "青禾幼儿园";

constexpr std::array<Weighted, 50> kSurnames = { {
    { "王", 9 },
    { "李", 9 },
    { "张", 8 },
    { "刘", 7 },
    { "陈", 6 },
    { "杨", 5 },
    { "黄", 4 },
    { "赵", 4 },
    { "吴", 3 },
    { "周", 3 },
    { "徐", 3 },
    { "孙", 3 },
    { "马", 2 },
    { "朱", 2 },
    { "胡", 2 },
    { "郭", 2 },
    { "何", 2 },
    { "高", 2 },
    { "林", 2 },
    { "罗", 2 },
    { "郑", 2 },
    { "梁", 2 },
    { "谢", 1 },
    { "宋", 1 },
    { "唐", 1 },
    { "许", 1 },
    { "韩", 1 },
    { "冯", 1 },
    { "邓", 1 },
    { "曹", 1 },
    { "彭", 1 },
    { "曾", 1 },
    { "肖", 1 },
    { "田", 1 },
    { "董", 1 },
    { "袁", 1 },
    { "潘", 1 },
    { "于", 1 },
    { "蒋", 1 },
    { "蔡", 1 },
    { "余", 1 },
    { "杜", 1 },
    { "叶", 1 },
    { "程", 1 },
    { "苏", 1 },
    { "魏", 1 },
    { "吕", 1 },
    { "丁", 1 },
    { "任", 1 },
    { "沈", 1 },
} };

constexpr std::array<const char*, 43> kBoyNames = { "子墨", "浩宇", "宇轩", "沐阳", "梓睿", "奕辰", "俊熙", "皓轩",
    "宇航", "睿泽", "明轩", "思远", "煜祺", "锦程", "天佑", "铭泽", "浩然", "子骞", "昊天", "博文", "晨阳", "逸凡",
    "君昊", "乐天", "景行", "一鸣", "泽宇", "书恒", "亦辰", "承泽", "振宇", "瑞霖", "星辰", "宸宇", "嘉树", "知远",
    "修远", "牧之", "砚清", "云帆", "哲", "轩", "朗" };
constexpr std::array<const char*, 43> kGirlNames = { "一诺", "梓涵", "欣怡", "语桐", "可馨", "诗涵", "沐晴", "若汐",
    "依诺", "雨桐", "梓萱", "芷若", "思琪", "紫涵", "佳怡", "悦彤", "心怡", "安琪", "子琪", "书瑶", "晨曦", "雅琪",
    "梦瑶", "清妍", "婉清", "知夏", "以沫", "星语", "语嫣", "念念", "可欣", "静姝", "苡沫", "予安", "舒然", "欣妍",
    "嘉禾", "初夏", "听雨", "南栀", "悦", "琳", "萌" };
constexpr std::array<const char*, 20> kFatherNames = { "建华", "志强", "伟", "磊", "军", "海涛", "晓东", "立新", "俊峰",
    "鹏", "国栋", "文斌", "永刚", "浩", "宏伟", "明", "晓峰", "振华", "勇", "健" };
constexpr std::array<const char*, 20> kMotherNames = { "丽娟", "晓燕", "静", "婷", "丽", "敏", "雪梅", "海燕", "红霞",
    "颖", "慧", "倩", "玉兰", "晓丽", "艳", "娜", "芳", "春梅", "佳", "琳琳" };
constexpr std::array<const char*, 5> kGrandfatherNames = { "德明", "国庆", "长林", "保国", "振东" };
constexpr std::array<const char*, 5> kGrandmotherNames = { "秀英", "桂兰", "淑珍", "玉珍", "凤英" };

constexpr std::array<const char*, 5> kDistricts = { "城东区", "城南区", "河西区", "滨江区", "新华区" };
constexpr std::array<const char*, 12> kRoads = { "建设路", "人民路", "文化路", "幸福路", "和平路", "青年路", "长江路",
    "花园路", "学府路", "朝阳路", "兴业路", "春风路" };
constexpr std::array<const char*, 14> kPhonePrefixes
    = { "135", "136", "137", "138", "139", "150", "151", "152", "158", "159", "186", "187", "188", "189" };

constexpr std::array<Weighted, 5> kNations
    = { { { "汉族", 92 }, { "回族", 3 }, { "壮族", 2 }, { "蒙古族", 2 }, { "藏族", 1 } } };
constexpr std::array<Weighted, 4> kAboBlood = { { { "O", 34 }, { "A", 28 }, { "B", 30 }, { "AB", 8 } } };
constexpr std::array<Weighted, 7> kAllergies = { { { "无", 108 }, { "青霉素", 4 }, { "磺胺", 1 }, { "青霉素；芒果", 1 },
    { "鸡蛋", 2 }, { "花粉", 2 }, { "虾蟹", 2 } } };
constexpr std::array<Weighted, 7> kIllnesses = { { { "无", 100 }, { "龋齿", 10 }, { "过敏史", 3 }, { "弱视", 2 },
    { "斜视", 1 }, { "近视", 1 }, { "龋齿；斜视", 1 } } };
constexpr std::array<Weighted, 8> kSigns = { { { "", 104 }, { "F1", 3 }, { "F4", 3 }, { "F6", 3 }, { "F1；F3", 2 },
    { "F4；F8", 2 }, { "F7", 1 }, { "F2；F5", 1 } } };
constexpr std::array<Weighted, 5> kRelations
    = { { { "父亲", 45 }, { "母亲", 45 }, { "祖父", 3 }, { "祖母", 4 }, { "外婆", 3 } } };

// Attendance: the five kinds with how often each happens and the remarks staff type for them.
struct AttendanceKind
{
    const char* text;
    int weight;
    std::array<const char*, 5> remarks;
};
constexpr std::array<AttendanceKind, 5> kAttendanceKinds = { {
    { "迟到", 30, { "", "", "堵车", "起床晚了", "家长送晚了" } },
    { "早退", 14, { "家长提前接走", "看牙医", "身体不适", "", "参加兴趣班" } },
    { "病假", 32, { "感冒发烧", "咳嗽", "腹泻", "手足口病", "过敏" } },
    { "事假", 20, { "随家长外出", "回老家", "家中有事", "", "探亲" } },
    { "其他", 4, { "", "天气原因", "", "未说明", "" } },
} };

constexpr std::array<const char*, 5> kClinics = { "城东社区卫生服务中心", "城南社区卫生服务中心",
    "河西社区卫生服务中心", "滨江社区卫生服务中心", "市妇幼保健院" };

constexpr std::array<const char*, 4> kDoctors = { "李秀兰", "王建国", "张丽华", "陈志明" };

// Typical height (cm) at 36 months and growth per month between 2 and 7 years, and the body-mass
// index the weights scatter around.
constexpr double kHeightPerMonth = 0.56;
constexpr double kHeightSd = 4.0;
constexpr double kBmiSd = 1.1;

double heightAt36(const std::string& gender)
{
    return gender == "男" ? 98.0 : 97.0;
}

double meanBmi(const std::string& gender)
{
    return gender == "男" ? 15.6 : 15.3;
}

int monthsBetween(const CalendarDate& born, const CalendarDate& day)
{
    int months = (day.year - born.year) * 12 + (day.month - born.month);
    if (day.day < born.day) {
        --months;
    }
    return months;
}

std::string twoDigits(int value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

std::string paddedNumber(int value, int width)
{
    char text[24];
    std::snprintf(text, sizeof text, "%0*d", width, value);
    return text;
}

// Draws are taken one statement at a time throughout: the operands of + have no fixed order of
// evaluation, and the folder must not depend on the compiler.
std::string timeOfDay(DemoRandom& random, int fromHour, int hours)
{
    const int hour = fromHour + random.below(hours);
    const int minute = random.below(60);
    const int second = random.below(60);
    return twoDigits(hour) + ":" + twoDigits(minute) + ":" + twoDigits(second);
}

// The days the whole kindergarten is measured: four a year, moved to the next school day.
std::vector<CalendarDate> measuringDays()
{
    std::vector<CalendarDate> days;
    for (int year = 2020; year <= kLastDay.year; ++year) {
        for (const auto& [month, day] : { std::pair { 3, 20 }, { 6, 15 }, { 9, 25 }, { 12, 10 } }) {
            const CalendarDate when = schoolcalendar::nextSchoolDay({ year, month, day });
            if (when <= kLastDay) {
                days.push_back(when);
            }
        }
    }
    return days;
}

// What the kitchen must leave out for a child's allergies; drug allergies limit no food.
std::string dietLimit(const std::string& allergy)
{
    std::vector<std::string> foods;
    for (const char* food : { "鸡蛋", "虾蟹", "芒果" }) {
        if (allergy.find(food) != std::string::npos) {
            foods.push_back(std::string("忌") + food);
        }
    }
    return foods.empty() ? "无" : joinItems(foods);
}

// The value of a "%.Nf" text, as a form reads back what it shows.
double rounded(double value, int decimals)
{
    return wholeDecimal(formatFixed(value, decimals)).value_or(0.0);
}

} // namespace

LargeDemoPeople::LargeDemoPeople(const LargeDemoSize& size, std::uint64_t seed)
    : m_size(size)
    , m_seed(seed)
{
    if (size.classes < 3 || size.classes > static_cast<int>(kClassNames.size()) || size.childrenPerClass < 1
        || size.childrenPerClass > 999) {
        throw std::invalid_argument("the large demo holds 3 to 20 classes of 1 to 999 children");
    }
    makeClasses();
    makeChildren();
}

const std::vector<DemoClass>& LargeDemoPeople::classes() const
{
    return m_classes;
}

const std::vector<DemoChild>& LargeDemoPeople::children() const
{
    return m_children;
}

void LargeDemoPeople::makeClasses()
{
    for (int i = 0; i < m_size.classes; ++i) {
        m_classes.push_back(
            { i, kClassNames[static_cast<size_t>(i)].name, kClassNames[static_cast<size_t>(i)].ageGroup });
    }
}

void LargeDemoPeople::makeChildren()
{
    DemoRandom random(m_seed);
    struct Seat
    {
        CalendarDate inTime;
        int classIndex;
        int seat;
    };
    std::vector<Seat> seats;
    for (int c = 0; c < m_size.classes; ++c) {
        const int ageGroup = m_classes[static_cast<size_t>(c)].ageGroup;
        // Most children join in September at the age of their class; some a year earlier, in a
        // 托班; a few later in the term.
        const int mainYear = std::min(kLastDay.year, kLastDay.year + 1 - ageGroup);
        for (int s = 0; s < m_size.childrenPerClass; ++s) {
            int year = mainYear;
            if (ageGroup >= 1 && random.chance(30)) {
                --year;
            }
            CalendarDate inTime { year, 9, 1 };
            if (random.chance(10)) {
                inTime = schoolcalendar::nextSchoolDay(inTime.plusDays(random.between(14, 80)));
            }
            seats.push_back({ inTime, c, s });
        }
    }
    // Archives are entered as children arrive: the archive numbers of a year run in that order,
    // and so do the student numbers of a class.
    std::stable_sort(seats.begin(), seats.end(), [](const Seat& a, const Seat& b) {
        return std::tie(a.inTime, a.classIndex, a.seat) < std::tie(b.inTime, b.classIndex, b.seat);
    });

    std::set<std::string> usedNames;
    std::vector<int> running(100, 0);
    std::vector<int> sequence(static_cast<size_t>(m_size.classes), 0);
    for (const Seat& seat : seats) {
        const DemoClass& demoClass = m_classes[static_cast<size_t>(seat.classIndex)];
        DemoChild child;
        child.gender = random.below(100) < 51 ? "男" : "女";
        std::string surname;
        for (int attempt = 0;; ++attempt) {
            if (attempt > 100000) {
                throw std::logic_error("the large demo ran out of children's names");
            }
            surname = random.weighted(kSurnames).text;
            const std::string name
                = surname + (child.gender == "男" ? random.pick(kBoyNames) : random.pick(kGirlNames));
            if (usedNames.insert(name).second) {
                child.name = name;
                break;
            }
        }
        // Born in the school year (1 September – 31 August) of the class's age group.
        const CalendarDate firstBirth { kLastDay.year - 3 - demoClass.ageGroup, 9, 1 };
        const CalendarDate lastBirth { kLastDay.year - 2 - demoClass.ageGroup, 8, 31 };
        child.birth = firstBirth.plusDays(random.below(static_cast<int>(lastBirth.serial() - firstBirth.serial()) + 1));
        const int months = monthsBetween(child.birth, kLastDay);
        child.height = random.normal(heightAt36(child.gender) + kHeightPerMonth * (months - 36), kHeightSd);
        child.bmi = random.normal(meanBmi(child.gender), kBmiSd);
        child.heightText = formatFixed(child.height, 1);
        child.weightText = formatFixed(child.bmi * (child.height / 100.0) * (child.height / 100.0), 1);
        child.nation = random.weighted(kNations).text;
        child.inTime = seat.inTime;
        child.classIndex = seat.classIndex;

        const int yy = seat.inTime.year % 100;
        child.archId = twoDigits(yy) + paddedNumber(running[static_cast<size_t>(yy)]++, 6);
        child.studentId
            = twoDigits(seat.classIndex) + paddedNumber(++sequence[static_cast<size_t>(seat.classIndex)], 3);

        child.relation = random.weighted(kRelations).text;
        if (child.relation == "父亲") {
            child.guardian = surname + random.pick(kFatherNames);
        } else if (child.relation == "祖父") {
            child.guardian = surname + random.pick(kGrandfatherNames);
        } else {
            // Mothers and grandmothers on the mother's side keep their own family name.
            const std::string familyName = random.weighted(kSurnames).text;
            child.guardian
                = familyName + (child.relation == "母亲" ? random.pick(kMotherNames) : random.pick(kGrandmotherNames));
        }
        const std::string prefix = random.pick(kPhonePrefixes);
        child.phone = prefix + paddedNumber(random.below(100000000), 8);
        const std::string district = random.pick(kDistricts);
        const std::string road = random.pick(kRoads);
        const int number = random.between(1, 188);
        const int building = random.between(1, 24);
        const int unit = random.between(1, 4);
        const int floor = random.between(1, 18);
        const int door = random.between(1, 4);
        child.address = district + road + formatInt(number) + "号" + formatInt(building) + "栋" + formatInt(unit)
            + "单元" + formatInt(floor) + twoDigits(door) + "室";
        child.residence = random.below(100) < 82 ? "户籍" : "非户籍";
        child.aboBlood = random.weighted(kAboBlood).text;
        child.rhBlood = random.below(200) < 199 ? "Rh阳性" : "Rh阴性";
        child.allergy = random.weighted(kAllergies).text;
        child.illness = random.weighted(kIllnesses).text;
        child.signs = random.weighted(kSigns).text;
        // Saved last at the latest measuring day after the child came.
        CalendarDate saved = child.inTime;
        for (const CalendarDate& day : measuringDays()) {
            if (day >= child.inTime) {
                saved = day;
            }
        }
        child.savedAt = saved.text() + " " + timeOfDay(random, 8, 9);
        m_children.push_back(std::move(child));
    }
}

void LargeDemoPeople::writeRecord(CppSQLite3DB& record) const
{
    auto classRow = record.compileStatement("INSERT INTO ClassInfo VALUES(?,?)");
    for (const DemoClass& demoClass : m_classes) {
        if (demoClass.id < 3) {
            continue; // the built-in classes come with the first rows
        }
        classRow.bind(1, demoClass.id);
        classRow.bind(2, demoClass.name);
        classRow.execute();
    }

    auto archive
        = record.compileStatement("INSERT INTO ArchivesBase VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)");
    // Listed class by class, as the class page shows them.
    for (int c = 0; c < m_size.classes; ++c) {
        for (const DemoChild& child : m_children) {
            if (child.classIndex != c) {
                continue;
            }
            const std::string values[]
                = { child.archId, child.name, child.gender, child.nation, child.heightText, child.weightText,
                      child.birth.text(), kSchool, child.inTime.text(), m_classes[static_cast<size_t>(c)].name,
                      child.studentId, child.residence, child.address, child.guardian, child.phone, child.relation,
                      child.aboBlood, child.rhBlood, child.allergy, child.illness, "无", child.savedAt, child.signs };
            for (int i = 0; i < 23; ++i) {
                archive.bind(i + 1, values[i]);
            }
            archive.execute();
        }
    }
    writeAttendance(record);
}

void LargeDemoPeople::writeAttendance(CppSQLite3DB& record) const
{
    DemoRandom random(m_seed + 101);
    // Every (child, school day) pair the child was there for is equally likely to hold an event.
    const std::vector<CalendarDate> days = schoolcalendar::schoolDays({ 2020, 9, 1 }, kLastDay);
    std::vector<int> firstDay;
    std::vector<long long> cumulative;
    long long total = 0;
    for (const DemoChild& child : m_children) {
        const auto first = std::lower_bound(days.begin(), days.end(), child.inTime) - days.begin();
        firstDay.push_back(static_cast<int>(first));
        total += static_cast<long long>(days.size()) - first;
        cumulative.push_back(total);
    }
    struct Event
    {
        int day;
        int child;
        int kind;
        const char* remark;
    };
    std::vector<Event> events;
    std::set<std::pair<int, int>> taken;
    const long long wanted = std::min<long long>(m_size.attendanceEvents, total);
    for (long long attempt = 0; static_cast<long long>(events.size()) < wanted; ++attempt) {
        if (attempt > wanted * 50) {
            throw std::logic_error("the large demo could not place its attendance events");
        }
        const long long pick = static_cast<long long>(random.uniform() * static_cast<double>(total));
        const int child
            = static_cast<int>(std::upper_bound(cumulative.begin(), cumulative.end(), pick) - cumulative.begin());
        const long long before = child == 0 ? 0 : cumulative[static_cast<size_t>(child - 1)];
        const int day = firstDay[static_cast<size_t>(child)] + static_cast<int>(pick - before);
        const AttendanceKind& kind = random.weighted(kAttendanceKinds);
        const char* remark = random.pick(kind.remarks);
        // One event per child and day: the entry dialog refuses a second of the same kind.
        if (!taken.insert({ child, day }).second) {
            continue;
        }
        events.push_back({ day, child, static_cast<int>(&kind - kAttendanceKinds.data()), remark });
    }
    // Entered day by day, class by class.
    std::sort(events.begin(), events.end(), [this](const Event& a, const Event& b) {
        const DemoChild& ca = m_children[static_cast<size_t>(a.child)];
        const DemoChild& cb = m_children[static_cast<size_t>(b.child)];
        return std::tie(a.day, ca.classIndex, ca.studentId) < std::tie(b.day, cb.classIndex, cb.studentId);
    });
    auto row = record.compileStatement("INSERT INTO  KaoQin VALUES(?,?,?,?,?,?,?)");
    int id = 1;
    for (const Event& event : events) {
        const DemoChild& child = m_children[static_cast<size_t>(event.child)];
        row.bind(1, id++);
        row.bind(2, m_classes[static_cast<size_t>(child.classIndex)].name);
        row.bind(3, child.name);
        row.bind(4, kAttendanceKinds[static_cast<size_t>(event.kind)].text);
        row.bind(5, days[static_cast<size_t>(event.day)].text());
        row.bind(6, event.remark);
        row.bind(7, child.archId);
        row.execute();
    }
}

void LargeDemoPeople::writeSysManager(CppSQLite3DB& sysmanager) const
{
    writeExaminations(sysmanager);
    writeVaccinations(sysmanager);
}

void LargeDemoPeople::writeExaminations(CppSQLite3DB& sysmanager) const
{
    DemoRandom random(m_seed + 202);
    // Every child is measured on the kindergarten's measuring days after its first week; some
    // are away on the day.
    struct Exam
    {
        CalendarDate day;
        int child;
    };
    std::vector<Exam> exams;
    const std::vector<CalendarDate> days = measuringDays();
    for (size_t c = 0; c < m_children.size(); ++c) {
        for (const CalendarDate& day : days) {
            if (day >= m_children[c].inTime.plusDays(7)) {
                exams.push_back({ day, static_cast<int>(c) });
            }
        }
    }
    random.shuffle(exams);
    if (static_cast<int>(exams.size()) > m_size.examinations) {
        exams.resize(static_cast<size_t>(m_size.examinations));
    }
    std::sort(exams.begin(), exams.end(), [this](const Exam& a, const Exam& b) {
        const DemoChild& ca = m_children[static_cast<size_t>(a.child)];
        const DemoChild& cb = m_children[static_cast<size_t>(b.child)];
        return std::tie(a.day, ca.classIndex, ca.studentId) < std::tie(b.day, cb.classIndex, cb.studentId);
    });

    std::string sql = "INSERT INTO KqCheckIn VALUES(?";
    for (int i = 1; i < 40; ++i) {
        sql += ",?";
    }
    sql += ")";
    auto row = sysmanager.compileStatement(sql);
    int id = 1;
    for (const Exam& exam : exams) {
        const DemoChild& child = m_children[static_cast<size_t>(exam.child)];
        // Back in time along the child's growth: about 0.56 cm a month.
        const int monthsAgo = monthsBetween(exam.day, kLastDay);
        const double height = rounded(child.height - kHeightPerMonth * monthsAgo + random.normal(0.0, 0.4), 1);
        const double bmi = child.bmi + random.normal(0.0, 0.3);
        const double weight = rounded(bmi * (height / 100.0) * (height / 100.0), 1);
        // The form's BMI: single precision, kept with three decimals.
        const float metres = static_cast<float>(height) * 0.01f;
        const double formBmi = rounded(static_cast<float>(weight) / (metres * metres), 3);
        const int systolic = random.between(85, 100);
        const int diastolic = random.between(50, 65);
        const bool caries = random.chance(12);
        const char* vision = random.pick(std::array { "5.0", "5.0", "4.9", "4.8", "5.1" });
        const std::string texts[] = {
            "", // vital capacity is not measured at this age
            formatInt(systolic) + "/" + formatInt(diastolic),
            formatInt(random.between(85, 115)),
            "正常", // heart
            "正常", // lungs
            "未触及", // liver
            "正常", // gallbladder
            caries ? formatInt(random.between(1, 4)) + "颗" : "无",
            "正常",
            vision,
            random.chance(90) ? vision : random.pick(std::array { "4.9", "4.8", "5.0" }),
            "无",
            random.chance(97) ? "无" : "轻度",
            "正常",
            "正常", // hearing, left
            "正常", // hearing, right
            "正常",
            random.chance(95) ? "正常" : "鼻黏膜充血",
            random.chance(92) ? "正常" : "咽部充血",
            "正常",
            random.chance(90) ? "正常" : "Ⅰ度肿大",
            "正常",
            "正常",
            "正常",
            "正常",
            "正常",
            random.chance(96) ? "正常" : "湿疹",
            "未触及肿大",
            dietLimit(child.allergy),
            random.weighted(std::array<Weighted, 3> { { { "健康", 88 }, { "良好", 10 }, { "需复查", 2 } } }).text,
            exam.day.text(),
            random.pick(kDoctors),
        };
        row.bind(1, id++);
        row.bind(2, child.name);
        row.bind(3, m_classes[static_cast<size_t>(child.classIndex)].name);
        row.bind(4, child.gender);
        row.bind(5, child.archId);
        row.bind(6, height);
        row.bind(7, weight);
        row.bind(8, formBmi);
        for (int i = 0; i < 32; ++i) {
            row.bind(9 + i, texts[i]);
        }
        row.execute();
    }
}

void LargeDemoPeople::writeVaccinations(CppSQLite3DB& sysmanager) const
{
    DemoRandom random(m_seed + 303);
    struct Dose
    {
        const char* vaccine;
        int months; // age at the dose; 0 for the autumn influenza round
        int percent;
        const char* remark;
    };
    constexpr std::array<Dose, 6> kDoses = { {
        { "流感疫苗", 0, 55, "" },
        { "流脑疫苗", 36, 70, "" },
        { "脊灰疫苗", 48, 75, "加强免疫" },
        { "水痘疫苗", 48, 60, "第二剂" },
        { "流脑疫苗", 72, 70, "第二剂加强" },
        { "白破疫苗", 72, 70, "" },
    } };
    for (const Dose& dose : kDoses) {
        if (sysmanager.execQuery(std::string("SELECT ID FROM Myym WHERE YmName = '") + dose.vaccine + "'").eof()) {
            throw std::logic_error(std::string("the vaccine catalogue lacks ") + dose.vaccine);
        }
    }
    struct Vaccination
    {
        CalendarDate day;
        int child;
        const Dose* dose;
        const char* clinic;
    };
    std::vector<Vaccination> given;
    for (size_t c = 0; c < m_children.size(); ++c) {
        const DemoChild& child = m_children[c];
        for (const Dose& dose : kDoses) {
            if (dose.months == 0) {
                for (int year = child.inTime.year; year <= kLastDay.year; ++year) {
                    const CalendarDate day
                        = schoolcalendar::nextSchoolDay(CalendarDate { year, 10, 15 }.plusDays(random.below(25)));
                    if (day >= child.inTime && day <= kLastDay && random.chance(dose.percent)) {
                        given.push_back({ day, static_cast<int>(c), &dose, random.pick(kClinics) });
                    }
                }
                continue;
            }
            const CalendarDate day = child.birth.plusMonths(dose.months).plusDays(random.below(30));
            if (day >= child.inTime && day <= kLastDay && random.chance(dose.percent)) {
                given.push_back({ day, static_cast<int>(c), &dose, random.pick(kClinics) });
            }
        }
    }
    std::sort(given.begin(), given.end(), [this](const Vaccination& a, const Vaccination& b) {
        const DemoChild& ca = m_children[static_cast<size_t>(a.child)];
        const DemoChild& cb = m_children[static_cast<size_t>(b.child)];
        return std::tie(a.day, ca.classIndex, ca.studentId) < std::tie(b.day, cb.classIndex, cb.studentId);
    });
    auto row = sysmanager.compileStatement("INSERT INTO  YmCheckIn VALUES(?,?,?,?,?,?,?,?)");
    int id = 1;
    for (const Vaccination& vaccination : given) {
        const DemoChild& child = m_children[static_cast<size_t>(vaccination.child)];
        row.bind(1, id++);
        row.bind(2, m_classes[static_cast<size_t>(child.classIndex)].name);
        row.bind(3, child.name);
        row.bind(4, vaccination.dose->vaccine);
        row.bind(5, vaccination.day.text());
        row.bind(6, vaccination.dose->remark);
        row.bind(7, child.archId);
        row.bind(8, vaccination.clinic);
        row.execute();
    }
}

} // namespace pelinor
