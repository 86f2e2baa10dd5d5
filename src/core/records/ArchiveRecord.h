#pragma once

#include <string>
#include <vector>

namespace pelinor {

class CppSQLite3Query;

// One row of ArchivesBase: a child's archive. Every column is text.
struct ArchiveRecord
{
    std::string archId; // 0  two-digit year + six-digit running number
    std::string archName; // 1
    std::string gender; // 2
    std::string nation; // 3
    std::string height; // 4  cm, as typed
    std::string weight; // 5  kg, as typed
    std::string birth; // 6  %Y-%m-%d
    std::string schoolName; // 7
    std::string inTime; // 8  %Y-%m-%d
    std::string className; // 9  a ClassInfo name
    std::string studentId; // 10 class code + three-digit sequence
    std::string hjCla; // 11 户籍 / 非户籍
    std::string address; // 12
    std::string guardianName; // 13
    std::string guardianTel; // 14
    std::string guardianRelation; // 15
    std::string aboBlood; // 16
    std::string rhBlood; // 17
    std::string allergy; // 18 item list
    std::string ill; // 19 item list
    std::string disable; // 20 item list
    std::string createdTime; // 21 %Y-%m-%d %H:%M:%S of the last save
    std::string lcbx; // 22 clinical-sign codes

    static constexpr int kColumnCount = 23;

    // The row the query stands on.
    static ArchiveRecord fromQuery(const CppSQLite3Query& query);

    bool operator==(const ArchiveRecord&) const = default;
};

} // namespace pelinor
