"""A tiny seeded generator for the demo data, so the output never depends on the
Python version's own random module."""


class DemoRandom:
    def __init__(self, seed):
        self.state = (seed * 2654435761 + 0x9E3779B97F4A7C15) & 0xFFFFFFFFFFFFFFFF or 1

    def next_u32(self):
        # xorshift64*
        x = self.state
        x ^= (x >> 12)
        x ^= (x << 25) & 0xFFFFFFFFFFFFFFFF
        x ^= (x >> 27)
        self.state = x
        return ((x * 0x2545F4914F6CDD1D) & 0xFFFFFFFFFFFFFFFF) >> 32

    def uniform(self):
        return self.next_u32() / 4294967296.0

    def below(self, n):
        return self.next_u32() % n

    def pick(self, items):
        return items[self.below(len(items))]

    def weighted(self, pairs):
        """pairs: [(value, weight), ...] with integer weights."""
        total = sum(w for _, w in pairs)
        r = self.below(total)
        for value, weight in pairs:
            if r < weight:
                return value
            r -= weight
        raise AssertionError("unreachable")

    def normal(self, mean, sd):
        # Sum of twelve uniforms: close enough to a bell curve for demo figures, and plain
        # arithmetic only, so every platform gives the same digits.
        return mean + sd * (sum(self.uniform() for _ in range(12)) - 6.0)
