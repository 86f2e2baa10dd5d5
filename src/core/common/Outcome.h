#pragma once

#include <string>
#include <utility>
#include <variant>

namespace pelinor {

// Why a change was refused: the message for the user and its caption (empty: the program's title).
// A refused change has changed nothing.
struct Refusal
{
    std::string message;
    std::string caption;
};

inline Refusal refuse(std::string message, std::string caption = {})
{
    return { std::move(message), std::move(caption) };
}

// The value of an operation that returns nothing but may be refused.
struct Done
{
};

// What a core operation came to: its value, or a refusal. Database failures are not outcomes;
// they stay CppSQLite3Exception.
//   Outcome<int> addThing(...) { if (bad) return refuse("名称不能为空！"); return newId; }
template <typename T = Done> class Outcome
{
public:
    Outcome(T value)
        : m_state(std::move(value))
    {
    }
    Outcome(Refusal refusal)
        : m_state(std::move(refusal))
    {
    }

    bool ok() const
    {
        return m_state.index() == 0;
    }
    explicit operator bool() const
    {
        return ok();
    }

    const T& value() const
    {
        return std::get<0>(m_state);
    }
    T& value()
    {
        return std::get<0>(m_state);
    }
    const T& operator*() const
    {
        return value();
    }
    const T* operator->() const
    {
        return &value();
    }

    const Refusal& refusal() const
    {
        return std::get<1>(m_state);
    }
    // The refusal's message; empty when the operation went through.
    const std::string& message() const
    {
        static const std::string none;
        return ok() ? none : refusal().message;
    }
    const std::string& caption() const
    {
        static const std::string none;
        return ok() ? none : refusal().caption;
    }

private:
    std::variant<T, Refusal> m_state;
};

inline Outcome<> done()
{
    return Done {};
}

} // namespace pelinor
