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
