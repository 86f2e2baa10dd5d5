#include "core/common/ChildAge.h"

#include <algorithm>
#include <charconv>

namespace pelinor {

namespace {

std::optional<int> digits(std::string_view text)
{
    int value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

} // namespace

std::optional<ChildAge> childAge(std::string_view birth, const DateTime& today)
{
    // Year in characters 1 to 4, month from character 6 up to the next "-": dates typed or imported
    // elsewhere may have one-digit months ("2011-9-30").
    if (birth.size() < 6) {
        return std::nullopt;
    }
    const auto year = digits(birth.substr(0, 4));
    const std::string_view rest = birth.substr(5);
    const auto month = digits(rest.substr(0, std::min(rest.find('-'), std::size_t { 2 })));
    if (!year || !month) {
        return std::nullopt;
    }
    ChildAge age { today.year - *year, today.month - *month };
    if (age.months < 0) {
        age.years -= 1;
        age.months += 12;
    }
    return age;
}

std::string ageText(const ChildAge& age)
{
    std::string text;
    if (age.years > 0) {
        text += std::to_string(age.years) + "岁";
    }
    if (age.months > 0) {
        text += std::to_string(age.months) + "月";
    }
    return text.empty() ? "1月" : text;
}

} // namespace pelinor
