#pragma once

#include "core/common/Outcome.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pelinor {

// A vaccine of the catalogue (a Myym row): its name, the months of age in which it is given and the
// diseases it prevents. Vaccinations name it by its name.
struct Vaccine
{
    int id = -1; // -1 until it is stored
    std::string name;
    std::string startMonth; // digits, or empty
    std::string endMonth; // digits, or empty
    std::string diseases;

    bool operator==(const Vaccine&) const = default;
};

// The catalogue in stored order.
std::vector<Vaccine> loadVaccines();

// The vaccine with this number; nothing when there is none.
std::optional<Vaccine> loadVaccine(int id);

// The month fields take digits only; an empty text passes.
bool isMonthText(std::string_view text);

// A month field as a number: the whole text read as an integer; nothing when it is empty, holds
// anything else or is out of an int's range.
std::optional<int> monthNumber(const std::string& text);

// The message and caption for a month field holding anything but digits.
inline constexpr const char* kDigitsOnlyMessage = "只能输入数字！ ";
inline constexpr const char* kDigitsOnlyCaption = "提示 ";

// Adds a vaccine at the end of the catalogue and gives its number. Refuses an empty name, a name
// taken, months other than digits and a start after the end.
Outcome<int> addVaccine(const Vaccine& vaccine);

// Changes the vaccine with `vaccine.id`, under the same checks (its own name is not "taken"). A new
// name is carried to the vaccinations that name the old one, in the same transaction.
Outcome<> updateVaccine(const Vaccine& vaccine);

// Deletes the vaccine with this number. Vaccinations naming it stay in the register.
void deleteVaccine(int id);

} // namespace pelinor
