#pragma once
#include <QImage>

// Painters of the JPEG pictures. tools/bilder calls them and writes the
// results to assets/*.jpg; the program itself only ships the JPEGs.

constexpr int TitelBreite = 146;
constexpr int TitelHoehe = 473;
constexpr int InfoBreite = 100;
constexpr int InfoHoehe = 120;

// Sky above a sea: a ruler runs from +8 at the top through 0 at the water
// line to –8 at the bottom.
QImage MaleTitelbild();

// Each belongs to the lines of the history beside it: 1 Leonardo of Pisa's
// "Liber abaci" as a merchant's book with the debts in red, 2 Stifel's
// "Arithmetica integra" (1544) with a number line running on beyond zero,
// 3 a coordinate system with points in all four quadrants, 4 Euler's
// "Vollständige Anleitung zur Algebra" (1770) with a slip of integers.
// Any other number gives a null image.
QImage MaleInfoBild(int nr);
