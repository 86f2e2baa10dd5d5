#include "core/common/NumberFormat.h"

#include <array>
#include <charconv>
#include <cmath>

namespace pelinor {

std::string formatFixed(double value, int decimals)
{
    if (!std::isfinite(value)) {
        return {};
    }
    // to_chars with a precision is specified to give exactly what printf("%.*f") gives in the C locale.
    std::array<char, 400> buffer {};
    const auto result = std::to_chars(
        buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, decimals < 0 ? 0 : decimals);
    return std::string(buffer.data(), result.ptr);
}

std::string formatInt(long long value)
{
    return std::to_string(value);
}

} // namespace pelinor
