#include "core/common/DecimalText.h"

#include <charconv>

namespace pelinor {

namespace {

constexpr std::string_view kAsciiBlanks = " \t\r\n\v\f";
constexpr std::string_view kWideSpace = "\u3000";

std::string_view trimView(std::string_view text)
{
    bool changed = true;
    while (changed && !text.empty()) {
        changed = false;
        if (kAsciiBlanks.find(text.front()) != std::string_view::npos) {
            text.remove_prefix(1);
            changed = true;
        } else if (text.starts_with(kWideSpace)) {
            text.remove_prefix(kWideSpace.size());
            changed = true;
        }
        if (text.empty()) {
            break;
        }
        if (kAsciiBlanks.find(text.back()) != std::string_view::npos) {
            text.remove_suffix(1);
            changed = true;
        } else if (text.ends_with(kWideSpace)) {
            text.remove_suffix(kWideSpace.size());
            changed = true;
        }
    }
    return text;
}

// from_chars takes no leading "+"; the C library does.
std::from_chars_result parseNumber(std::string_view text, double& value)
{
    const char* begin = text.data();
    const char* end = begin + text.size();
    if (begin != end && *begin == '+') {
        ++begin;
        if (begin != end && (*begin == '-' || *begin == '+')) {
            return { begin, std::errc::invalid_argument };
        }
    }
    return std::from_chars(begin, end, value, std::chars_format::general);
}

} // namespace

double leadingDecimal(std::string_view text)
{
    while (!text.empty() && kAsciiBlanks.find(text.front()) != std::string_view::npos) {
        text.remove_prefix(1);
    }
    double value = 0.0;
    const auto result = parseNumber(text, value);
    return result.ec == std::errc() ? value : 0.0;
}

std::optional<double> wholeDecimal(std::string_view text)
{
    text = trimView(text);
    if (text.empty()) {
        return std::nullopt;
    }
    double value = 0.0;
    const auto result = parseNumber(text, value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::string trimmedText(std::string_view text)
{
    return std::string(trimView(text));
}

} // namespace pelinor
