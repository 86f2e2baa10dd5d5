#pragma once

#include "core/common/Outcome.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace pelinor {

// What the set-up page hands the plan editor for a new plan.
struct PlanDefinition
{
    std::string archId; // the chosen child's archive number; empty for a class plan
    std::string sharesText; // the five energy shares, each followed by "；"
    std::string name;
    std::string subject; // the child's name, or the chosen classes joined by "；"
    int cycle = 0; // 0 one day, 1 one week
    int kind = 0; // 0 one child, 1 classes

    bool operator==(const PlanDefinition&) const = default;
};

// A child of the set-up page's list.
struct SetupChild
{
    std::string studentId;
    std::string name;
    std::string archId;

    bool operator==(const SetupChild&) const = default;
};

// The set-up page as the user left it.
struct PlanSetupInput
{
    std::string name;
    int kind = -1; // 0 one child, 1 classes, -1 none chosen
    int cycle = -1; // 0 one day, 1 one week, -1 none chosen
    std::array<std::string, 5> shares { "20", "10", "30", "10", "30" };
    std::optional<SetupChild> child; // the selected line of the child list
    std::vector<std::string> chosenClasses; // the chosen list, top to bottom
};

inline constexpr std::array<const char*, 5> kDefaultShares = { "20", "10", "30", "10", "30" };
inline constexpr const char* kShareRangeMessage = "请输入大于0的整数";

// The message a share edit shows as soon as its text is typed: a non-empty text whose whole
// number is not 1 … 99. Nothing for an acceptable or empty text.
std::optional<std::string> shareTextRefusal(const std::string& text);

// The set-up page's OK: the checks in the order the user meets them, then the definition.
Outcome<PlanDefinition> ConfirmPlanSetup(const PlanSetupInput& input);

// The children of a class for the child list, in stored order.
std::vector<SetupChild> setupChildren(const std::string& className);

// The whole-number value of a text as C's atoi reads it: leading digits, 0 when there are none.
int leadingInteger(const std::string& text);

} // namespace pelinor
