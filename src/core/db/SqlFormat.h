#pragma once

#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace pelinor {

// One value for a statement: text (always escaped) or a number.
class SqlArg
{
public:
    enum class Kind
    {
        Text,
        Integer,
        Real
    };

    SqlArg(const std::string& text)
        : m_kind(Kind::Text)
        , m_text(text)
    {
    }
    SqlArg(std::string_view text)
        : m_kind(Kind::Text)
        , m_text(text)
    {
    }
    SqlArg(const char* text)
        : m_kind(Kind::Text)
        , m_text(text ? text : "")
    {
    }
    template <typename T>
    requires std::is_integral_v<T> SqlArg(T value)
        : m_kind(Kind::Integer)
        , m_integer(static_cast<long long>(value))
    {
    }
    template <typename T>
    requires std::is_floating_point_v<T> SqlArg(T value)
        : m_kind(Kind::Real)
        , m_real(static_cast<double>(value))
    {
    }

    Kind kind() const
    {
        return m_kind;
    }
    const std::string& text() const
    {
        return m_text;
    }
    long long integer() const
    {
        return m_integer;
    }
    double real() const
    {
        return m_real;
    }

private:
    Kind m_kind;
    std::string m_text;
    long long m_integer = 0;
    double m_real = 0.0;
};

// Formats a statement from a printf-style format. Every text value is escaped the way SQLite's %q
// escapes it (a ' is doubled), so a name such as "O'Brien's 班" can never end or change the statement.
// Conversions: %s (text), %d %i %ld %lld %u (integers), %f %.1f %g %e ... (reals), %%.
// A conversion that does not fit its value, or a count of values that does not fit the format,
// throws std::invalid_argument: that is a programming mistake, never a user's.
std::string formatSqlArgs(std::string_view format, const std::vector<SqlArg>& args);

template <typename... Args> std::string formatSql(std::string_view format, const Args&... args)
{
    return formatSqlArgs(format, std::vector<SqlArg> { SqlArg(args)... });
}

// The text with every ' doubled, for the rare statement assembled from pieces.
std::string escapeSqlText(std::string_view text);

} // namespace pelinor
