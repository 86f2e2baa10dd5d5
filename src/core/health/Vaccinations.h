#pragma once

#include "core/common/Outcome.h"
#include "core/health/DateRange.h"

#include <optional>
#include <string>
#include <vector>

namespace pelinor {

// One vaccination of the register (a YmCheckIn row).
struct Vaccination
{
    int id = -1; // -1 until it is stored
    std::string className;
    std::string name;
    std::string vaccine; // the vaccine's name
    std::string date; // "%Y-%m-%d"
    std::string remark;
    std::string archId;
    std::string place;

    bool operator==(const Vaccination&) const = default;
};

// Registers a vaccination and gives its number. Refuses an empty place ("请填写接种地点！"), a
// vaccination without class, child or vaccine, and the same vaccine for the same child, class and
// day again ("该信息已经存在，不能重复添加！").
Outcome<int> registerVaccination(const Vaccination& vaccination);

// Changes vaccine, date, place and remark of the vaccination with `vaccination.id` (class, child
// and archive number stay as stored), under the same checks; the vaccination itself is no duplicate.
Outcome<> updateVaccination(const Vaccination& vaccination);

// The vaccination with this number; nothing when there is none.
std::optional<Vaccination> loadVaccination(int id);

// Deletes the vaccination with this number and nothing else.
void deleteVaccination(int id);

// One line of the register: the child's columns come from the archive and stay empty when the
// archive is gone; the vaccination's number goes with the line.
struct VaccinationRow
{
    int id = 0;
    std::string archId;
    std::string name;
    std::string gender;
    std::string className;
    std::string vaccine;
    std::string date;
    std::string place;
    std::string remark;

    bool operator==(const VaccinationRow&) const = default;
};

// The vaccinations of one vaccine held under the class, newest first, on the range's dates or all.
std::vector<VaccinationRow> listVaccinations(
    const std::string& className, const std::string& vaccine, const DateScope& scope);

} // namespace pelinor
