#pragma once

#include <string>

namespace pelinor {

// The text printf's "%.Nf" gives for a value, always with "." as the decimal point whatever the
// locale, and with printf's rounding (the exact binary value decides, so 19.125 prints as "19.12").
// Every "%.Nf" text of the program goes through here. A value that is not a number or is infinite
// gives an empty text: "inf" and "nan" are never shown or stored.
std::string formatFixed(double value, int decimals);

// The text "%d" gives.
std::string formatInt(long long value);

} // namespace pelinor
