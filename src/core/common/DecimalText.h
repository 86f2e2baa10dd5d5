#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pelinor {

// The number at the start of a text, read the way the C library's atof reads it (leading blanks
// skipped, the longest number prefix taken, 0 when there is none) but always with "." as the
// decimal point, whatever locale the GUI toolkit has installed.
double leadingDecimal(std::string_view text);

// The whole text as a decimal number ("12", "12.5", ".5"), blanks around it allowed; nothing when
// the text holds anything else.
std::optional<double> wholeDecimal(std::string_view text);

// The text without blanks (spaces, tabs, line breaks, the full-width space) at either end.
std::string trimmedText(std::string_view text);

} // namespace pelinor
