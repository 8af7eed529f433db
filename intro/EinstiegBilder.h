#pragma once
#include <QImage>

// The pictures of the two overview pages, drawn by our own code on a
// transparent background at the sizes the pages reserve for them.

// ℤ = { …, –3, –2, –1, 0, +1, +2, +3, … }: 245 × 22.
QImage GanzEinstiegBild1();
// ℤ⁺ and ℤ⁻ listed, and ℤ = ℤ⁻ ∪ { 0 } ∪ ℤ⁺: 362 × 59.
QImage GanzEinstiegBild2();
// ℚ = { a/b | a, b ∈ ℤ, b ≠ 0 }: 372 × 35.
QImage RationalEinstiegBild1();
// ℤ ⊂ ℚ with an integer and a decimal written as fractions: 235 × 32.
QImage RationalEinstiegBild2();
