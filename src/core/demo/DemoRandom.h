#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <stdexcept>
#include <utility>

namespace pelinor {

// The seeded generator of the demonstration data: xorshift64* with the seeding of the small
// demo's generator (data/tools/demorandom.py), so the same seed draws the same numbers there and
// here. The standard library's engines and distributions may change between library versions;
// this one gives every machine the same data folder.
class DemoRandom
{
public:
    explicit DemoRandom(std::uint64_t seed);

    std::uint32_t nextU32();
    // In [0, 1).
    double uniform();
    // In 0 … n - 1 (n > 0).
    int below(int n);
    // In low … high, both included.
    int between(int low, int high);
    // True with the chance percent / 100.
    bool chance(int percent);
    // A bell curve from twelve uniforms: plain arithmetic, the same digits on every platform.
    double normal(double mean, double sd);

    template <typename Container> const auto& pick(const Container& items)
    {
        const auto size = std::size(items);
        if (size == 0) {
            throw std::logic_error("DemoRandom::pick on nothing");
        }
        return *(std::begin(items) + below(static_cast<int>(size)));
    }

    // Items with an integer member `weight`; the chance of each is its share of the total.
    template <typename Container> const auto& weighted(const Container& items)
    {
        int total = 0;
        for (const auto& item : items) {
            total += item.weight;
        }
        if (total <= 0) {
            throw std::logic_error("DemoRandom::weighted without weights");
        }
        int left = below(total);
        for (const auto& item : items) {
            if (left < item.weight) {
                return item;
            }
            left -= item.weight;
        }
        throw std::logic_error("DemoRandom::weighted ran past the end");
    }

    // Fisher–Yates with this generator.
    template <typename Container> void shuffle(Container& items)
    {
        for (std::size_t i = std::size(items); i > 1; --i) {
            const auto j = static_cast<std::size_t>(below(static_cast<int>(i)));
            using std::swap;
            swap(items[i - 1], items[j]);
        }
    }

private:
    std::uint64_t m_state;
};

} // namespace pelinor
