#pragma once

#include <string>

namespace pelinor {

struct PlanDefinition;

// Small pieces the plan screens share.

// The name a saved plan records as its dietitian: the logged-in user's name, or the login name
// when the account has none.
std::string planDietitian();

// The set-up's OK: the editor page starts the new plan and is shown.
void startPlanEditor(const PlanDefinition& definition);

} // namespace pelinor
