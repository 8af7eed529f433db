#include "core/Random.h"

#include <chrono>
#include <random>

namespace {
std::mt19937_64& Generator()
{
    static std::mt19937_64 generator{5489u};
    return generator;
}
} // namespace

int Random(int n)
{
    if (n <= 0)
        return 0;
    // Multiply-shift keeps the draw uniform enough for the small ranges used
    // here and, unlike std::uniform_int_distribution, gives the same sequence
    // with every standard library.
    const quint64 r = Generator()() >> 32;
    return int((r * quint64(n)) >> 32);
}

void Randomize()
{
    Generator().seed(quint64(std::chrono::steady_clock::now().time_since_epoch().count())
                     ^ quint64(std::chrono::system_clock::now().time_since_epoch().count()));
}

void RandSeed(quint64 seed)
{
    Generator().seed(seed);
}
