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

// In the order of the history told beside them: 1 a Babylonian clay tablet,
// 2 a merchant's ledger with debts, 3 a coordinate system with points in all
// four quadrants, 4 Chinese counting rods (red positive, black negative).
// Any other number gives a null image.
QImage MaleInfoBild(int nr);
