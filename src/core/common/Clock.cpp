#include "core/common/Clock.h"

#include <cstdio>
#include <ctime>

namespace pelinor {

namespace {

std::shared_ptr<Clock>& installedClock()
{
    static std::shared_ptr<Clock> clock = std::make_shared<SystemClock>();
    return clock;
}

} // namespace

std::string DateTime::dateText() const
{
    char buffer[32];
    std::snprintf(buffer, sizeof(buffer), "%04d-%02d-%02d", year, month, day);
    return buffer;
}

std::string DateTime::timeStampText() const
{
    char buffer[48];
    std::snprintf(buffer, sizeof(buffer), "%04d-%02d-%02d %02d:%02d:%02d", year, month, day, hour, minute, second);
    return buffer;
}

DateTime Clock::today() const
{
    DateTime moment = now();
    moment.hour = moment.minute = moment.second = 0;
    return moment;
}

DateTime SystemClock::now() const
{
    const std::time_t seconds = std::time(nullptr);
    std::tm local {};
    localtime_r(&seconds, &local);
    return { local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec };
}

FixedClock::FixedClock(DateTime moment)
    : m_moment(moment)
{
}

DateTime FixedClock::now() const
{
    return m_moment;
}

void FixedClock::set(DateTime moment)
{
    m_moment = moment;
}

const Clock& programClock()
{
    return *installedClock();
}

void setProgramClock(std::shared_ptr<Clock> clock)
{
    installedClock() = clock ? std::move(clock) : std::make_shared<SystemClock>();
}

} // namespace pelinor
