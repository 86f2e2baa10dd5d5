#pragma once

#include <memory>
#include <string>

namespace pelinor {

struct DateTime
{
    int year = 1970;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;

    std::string dateText() const; // "%Y-%m-%d"
    std::string timeStampText() const; // "%Y-%m-%d %H:%M:%S"
};

// Where "today" and "now" come from. Ages, archive numbers, plan dates, backup stamps and report
// dates all depend on it, so tests fix it instead of the machine's clock.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual DateTime now() const = 0;
    DateTime today() const;
};

class SystemClock : public Clock
{
public:
    DateTime now() const override;
};

class FixedClock : public Clock
{
public:
    explicit FixedClock(DateTime moment);
    DateTime now() const override;
    void set(DateTime moment);

private:
    DateTime m_moment;
};

// The clock the program reads; the system clock unless a test installs another.
const Clock& programClock();
void setProgramClock(std::shared_ptr<Clock> clock);

} // namespace pelinor
