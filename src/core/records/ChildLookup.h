#pragma once

#include "core/common/Outcome.h"
#include "core/records/Classes.h"

#include <string>
#include <vector>

namespace pelinor {

// The person picker: the children of a class, by name with their archive numbers.
std::vector<ChildRef> pickableChildren(const std::string& className);

// The picker's OK: a class and then a child must be chosen.
Outcome<> checkChildPick(const std::string& className, const std::string& archId);

} // namespace pelinor
