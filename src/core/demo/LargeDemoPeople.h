#pragma once

#include "core/common/CalendarDate.h"
#include "core/demo/LargeDemoSize.h"

#include <cstdint>
#include <string>
#include <vector>

namespace pelinor {

class CppSQLite3DB;

struct DemoClass
{
    int id = 0;
    std::string name;
    int ageGroup = 0; // 0 托班 (2–3 years), 1 小班, 2 中班, 3 大班 (5–6 years)
};

// One invented child with the 23 archive fields and what later records need of it.
struct DemoChild
{
    std::string archId;
    std::string name;
    std::string gender;
    std::string nation;
    std::string heightText;
    std::string weightText;
    CalendarDate birth;
    CalendarDate inTime;
    int classIndex = 0; // position in the class order
    std::string studentId;
    std::string residence;
    std::string address;
    std::string guardian;
    std::string phone;
    std::string relation;
    std::string aboBlood;
    std::string rhBlood;
    std::string allergy;
    std::string illness;
    std::string savedAt;
    std::string signs;
    double height = 0.0; // today's height in cm
    double bmi = 0.0; // the body-mass index the child keeps over the years
};

// The people of the large demonstration kindergarten: classes, children, attendance,
// examinations and vaccinations, all drawn from one seed.
class LargeDemoPeople
{
public:
    LargeDemoPeople(const LargeDemoSize& size, std::uint64_t seed);

    // In ClassInfo order: the three built-in classes first.
    const std::vector<DemoClass>& classes() const;
    // In archive (entry) order.
    const std::vector<DemoChild>& children() const;

    // ClassInfo rows after the built-in three, ArchivesBase and KaoQin.
    void writeRecord(CppSQLite3DB& record) const;
    // KqCheckIn and YmCheckIn; the vaccines must be in Myym already.
    void writeSysManager(CppSQLite3DB& sysmanager) const;

private:
    void makeClasses();
    void makeChildren();
    void writeAttendance(CppSQLite3DB& record) const;
    void writeExaminations(CppSQLite3DB& sysmanager) const;
    void writeVaccinations(CppSQLite3DB& sysmanager) const;

    LargeDemoSize m_size;
    std::uint64_t m_seed;
    std::vector<DemoClass> m_classes;
    std::vector<DemoChild> m_children;
};

} // namespace pelinor
