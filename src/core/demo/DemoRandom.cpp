#include "core/demo/DemoRandom.h"

namespace pelinor {

DemoRandom::DemoRandom(std::uint64_t seed)
    : m_state(seed * 2654435761ULL + 0x9E3779B97F4A7C15ULL)
{
    if (m_state == 0) {
        m_state = 1; // xorshift never leaves 0
    }
}

std::uint32_t DemoRandom::nextU32()
{
    std::uint64_t x = m_state;
    x ^= x >> 12;
    x ^= x << 25;
    x ^= x >> 27;
    m_state = x;
    return static_cast<std::uint32_t>((x * 0x2545F4914F6CDD1DULL) >> 32);
}

double DemoRandom::uniform()
{
    return nextU32() / 4294967296.0;
}

int DemoRandom::below(int n)
{
    if (n <= 0) {
        throw std::logic_error("DemoRandom::below needs a positive bound");
    }
    return static_cast<int>(nextU32() % static_cast<std::uint32_t>(n));
}

int DemoRandom::between(int low, int high)
{
    return low + below(high - low + 1);
}

bool DemoRandom::chance(int percent)
{
    return below(100) < percent;
}

double DemoRandom::normal(double mean, double sd)
{
    double sum = 0.0;
    for (int i = 0; i < 12; ++i) {
        sum += uniform();
    }
    return mean + sd * (sum - 6.0);
}

} // namespace pelinor
