#pragma once

#include "core/analysis/PlanDayAnalysis.h"

#include <string>

namespace pelinor {

// The whole analysis as readable text, one section per tab, the columns of a list separated by
// tabs: what pelinor-cli analyse prints and the print tab shows.
std::string analysisText(const PlanDayAnalysis& analysis);

} // namespace pelinor
