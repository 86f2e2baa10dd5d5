#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pelinor {

// Several values kept in one text column: each value followed by the full-width "；".
// Writers drop the separator after the last value; some stored texts keep it, so readers
// accept both forms.
inline constexpr std::string_view kItemSeparator = "；";

// The values joined by "；", without a separator at the end. Empty values are left out.
std::string joinItems(const std::vector<std::string>& items);

// The values of a list text, in stored order; empty values (doubled or trailing separators) are skipped.
std::vector<std::string> splitItems(std::string_view text);

// The list text with every value equal to `from` replaced by `to`; the rest of the text,
// a closing separator included, stays exactly as it was.
std::string replaceItem(std::string_view text, std::string_view from, std::string_view to);

// True when one of the values equals `item`.
bool containsItem(std::string_view text, std::string_view item);

} // namespace pelinor
