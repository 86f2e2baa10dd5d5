#include "core/db/SqlFormat.h"

#include "core/common/NumberFormat.h"

#include <cctype>
#include <cstdio>
#include <optional>
#include <stdexcept>

namespace pelinor {

namespace {

[[noreturn]] void fail(std::string_view format, const std::string& why)
{
    throw std::invalid_argument("formatSql(\"" + std::string(format) + "\"): " + why);
}

// The precision of "%f" (6) or "%.Nf"; nothing for a conversion with a width or flags.
std::optional<int> plainPrecision(const std::string& conversion)
{
    if (conversion == "%") {
        return 6;
    }
    if (conversion.size() < 3 || conversion.size() > 4 || conversion[1] != '.') {
        return std::nullopt;
    }
    for (size_t i = 2; i < conversion.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(conversion[i]))) {
            return std::nullopt;
        }
    }
    return std::stoi(conversion.substr(2));
}

} // namespace

std::string escapeSqlText(std::string_view text)
{
    std::string result;
    result.reserve(text.size() + 2);
    for (char c : text) {
        result += c;
        if (c == '\'') {
            result += '\'';
        }
    }
    return result;
}

std::string formatSqlArgs(std::string_view format, const std::vector<SqlArg>& args)
{
    std::string result;
    result.reserve(format.size() + 16 * args.size());
    size_t next = 0;
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') {
            result += format[i];
            continue;
        }
        if (i + 1 < format.size() && format[i + 1] == '%') {
            result += '%';
            ++i;
            continue;
        }
        // Collect flags, width, precision and length up to the conversion letter.
        size_t end = i + 1;
        while (end < format.size()
            && std::string_view("-+ #0123456789.hlLqjzt").find(format[end]) != std::string_view::npos) {
            ++end;
        }
        if (end >= format.size()) {
            fail(format, "unfinished conversion");
        }
        if (next >= args.size()) {
            fail(format, "more conversions than values");
        }
        const char conversion = format[end];
        const SqlArg& arg = args[next++];
        std::string conversionText(format.substr(i, end - i));
        char buffer[512];
        switch (conversion) {
        case 's':
            if (arg.kind() != SqlArg::Kind::Text) {
                fail(format, "%s needs a text value");
            }
            result += escapeSqlText(arg.text());
            break;
        case 'd':
        case 'i':
        case 'u':
        case 'x': {
            if (arg.kind() != SqlArg::Kind::Integer) {
                fail(format, std::string("%") + conversion + " needs an integer value");
            }
            // Drop any length letters of the format; the value is always passed as long long.
            std::string flags;
            for (char c : conversionText) {
                if (c != 'l' && c != 'h' && c != 'j' && c != 'z' && c != 't' && c != 'q' && c != 'L') {
                    flags += c;
                }
            }
            std::snprintf(buffer, sizeof(buffer), (flags + "ll" + conversion).c_str(), arg.integer());
            result += buffer;
            break;
        }
        case 'f':
        case 'F':
        case 'g':
        case 'G':
        case 'e':
        case 'E': {
            double value = 0.0;
            if (arg.kind() == SqlArg::Kind::Real) {
                value = arg.real();
            } else if (arg.kind() == SqlArg::Kind::Integer) {
                value = static_cast<double>(arg.integer());
            } else {
                fail(format, std::string("%") + conversion + " needs a number");
            }
            std::string flags;
            for (char c : conversionText) {
                if (c != 'l' && c != 'L') {
                    flags += c;
                }
            }
            // "%f" and "%.Nf" go through the program's one number formatter: "." whatever the
            // locale, printf's rounding, and never "inf" or "nan" in a stored text.
            if (const auto precision = plainPrecision(flags); conversion == 'f' && precision) {
                result += formatFixed(value, *precision);
                break;
            }
            std::snprintf(buffer, sizeof(buffer), (flags + conversion).c_str(), value);
            result += buffer;
            break;
        }
        default:
            fail(format, std::string("unsupported conversion %") + conversion);
        }
        i = end;
    }
    if (next != args.size()) {
        fail(format, "more values than conversions");
    }
    return result;
}

} // namespace pelinor
