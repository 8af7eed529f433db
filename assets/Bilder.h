#pragma once
#include <QImage>

// The program's pictures. The status pictures and marks are painted at run
// time (uncompressed, with transparency); the title picture and the pictures
// of the information screen are JPEGs shipped inside the program (painted
// once by tools/bilder, see Motive.h) and decoded by JpegLesen.

// Status of an exercise line, shown beside its answer box.
enum class StatusArt {
    Neutral,        // not yet answered
    RichtigErster,  // right at the first attempt
    Falsch,         // wrong
    RichtigZweiter, // right at the second attempt
};

constexpr int StatusBreite = 63;
constexpr int StatusHoehe = 69;
constexpr int MarkeSeite = 40;

// 63 × 69, transparent around a round face whose colour and expression
// tell the state: blue and calm, green and laughing, red and sad, orange and
// smiling.
QImage StatusBild(StatusArt art);

// 40 × 40, transparent: a green tick for a right attempt, a red cross for a
// wrong one.
QImage MarkeRichtig();
QImage MarkeFalsch();

// The JPEG pictures. A picture that cannot be decoded comes back null.
QImage Titelbild();       // 146 × 473: number scale, positive above, negative below
QImage InfoBild(int nr);  // nr 1 … 4, 100 × 120: history of negative numbers
