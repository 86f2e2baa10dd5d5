#pragma once

#include "core/common/Outcome.h"

#include <string>
#include <string_view>

namespace pelinor {

inline constexpr const char* kInvalidWeight = "输入的重量不合法！";

// A weight typed by the user goes into stored compositions ("香蕉:80g；"), so only a plain number
// is taken: digits with at most one decimal point, blanks around it allowed. Anything else ("5；大米:100",
// "-3", "1e3", "1.2.3") is refused with "输入的重量不合法！". The value is the trimmed text.
Outcome<std::string> checkedWeight(std::string_view text);

// A weight text as a single-precision number (the text's leading number, 0 when none).
float weightValue(std::string_view text);

// A sum of grams as a weight text: whole grams without decimals ("50"), others with two ("42.50").
std::string gramsText(float grams);

// The composition of a single food: name ":" weight "g；".
std::string singleFoodComposition(const std::string& foodName, const std::string& weight);

} // namespace pelinor
