#include "core/Random.h"

#include <chrono>
#include <utility>

namespace {

// xoshiro256**: small, fast and of good statistical quality. The builders
// redraw rejected exercises many times, so the cost of one draw matters.
struct Xoshiro256 {
    quint64 s[4];

    static quint64 Rotl(quint64 x, int k) { return (x << k) | (x >> (64 - k)); }

    void Seed(quint64 seed)
    {
        // SplitMix64 spreads any seed, 0 included, over the whole state.
        for (quint64& word : s) {
            seed += 0x9E3779B97F4A7C15ull;
            quint64 z = seed;
            z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
            z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
            word = z ^ (z >> 31);
        }
    }

    quint64 Next()
    {
        const quint64 result = Rotl(s[1] * 5, 7) * 9;
        const quint64 t = s[1] << 17;
        s[2] ^= s[0];
        s[3] ^= s[1];
        s[1] ^= s[2];
        s[0] ^= s[3];
        s[2] ^= t;
        s[3] = Rotl(s[3], 45);
        return result;
    }
};

Xoshiro256& Generator()
{
    static Xoshiro256 generator = [] {
        Xoshiro256 g{};
        g.Seed(5489u);
        return g;
    }();
    return generator;
}

DrawHook drawHook = nullptr;
SeedHook seedHook = nullptr;

int Draw(int n)
{
    if (n <= 0)
        return 0;
    // Multiply-shift maps 32 random bits onto 0 … n-1 without a division.
    const quint64 r = Generator().Next() >> 32;
    return int((r * quint64(n)) >> 32);
}

} // namespace

int Random(int n)
{
    const int drawn = Draw(n);
    return drawHook ? drawHook(n, drawn) : drawn;
}

void Randomize()
{
    if (seedHook) {
        Generator().Seed(seedHook());
        return;
    }
    Generator().Seed(quint64(std::chrono::steady_clock::now().time_since_epoch().count())
                     ^ quint64(std::chrono::system_clock::now().time_since_epoch().count()));
}

DrawHook SetDrawHook(DrawHook hook)
{
    return std::exchange(drawHook, hook);
}

SeedHook SetSeedHook(SeedHook hook)
{
    return std::exchange(seedHook, hook);
}

void RandSeed(quint64 seed)
{
    Generator().Seed(seed);
}
