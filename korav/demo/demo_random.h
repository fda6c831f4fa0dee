#pragma once

#include <QtGlobal>

// A small generator of our own (SplitMix64): the standard library's
// distributions may give other numbers on another library version, and the
// demo firm must come out the same for the same seed everywhere.
class DemoRandom {
public:
    explicit DemoRandom(quint64 seed) : state_(seed) { }

    quint64 next();
    // 0 to bound - 1; 0 for a bound below 1.
    int below(int bound);
    // From `low` to `high`, both included.
    int between(int low, int high) { return low + below(high - low + 1); }
    bool percent(int chance) { return below(100) < chance; }
    // A generator of its own for one part of the firm, so that changing one
    // part leaves the numbers of the others as they were.
    DemoRandom fork(quint64 salt) const { return DemoRandom(state_ ^ (salt * 0x9E3779B97F4A7C15ULL)); }

private:
    quint64 state_;
};
