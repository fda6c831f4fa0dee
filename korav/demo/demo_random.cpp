#include "korav/demo/demo_random.h"

quint64 DemoRandom::next()
{
    state_ += 0x9E3779B97F4A7C15ULL;
    quint64 z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

int DemoRandom::below(int bound)
{
    if (bound < 1)
        return 0;
    return int(next() % quint64(bound));
}
