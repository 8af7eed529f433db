#pragma once
#include <QtGlobal>

// The one pseudo-random generator of the process. Screens call Randomize()
// when they become active; tests and tools call RandSeed() so that every
// draw is reproducible.

// A uniform integer from 0 to n - 1 (0 when n <= 0).
int Random(int n);

// Seeds the generator from the clock.
void Randomize();

// Seeds the generator with a fixed value.
void RandSeed(quint64 seed);

// Seams for tests and tools; both are unset in the program, where an unset
// hook costs one test of a pointer.
//
// The draw hook sees every call of Random(n) with the value drawn (0 for
// n <= 0) and returns the value Random gives back: return `drawn` to
// observe, anything else to replace. It never changes the generator's
// course, so draws stay the same with an observing hook.
using DrawHook = int (*)(int n, int drawn);
// The seed hook gives Randomize() its seed instead of the clock.
using SeedHook = quint64 (*)();

// Set a hook (nullptr removes it); the previous one is returned.
DrawHook SetDrawHook(DrawHook hook);
SeedHook SetSeedHook(SeedHook hook);
