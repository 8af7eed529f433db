#pragma once
#include <QString>
#include <QtGlobal>

// Class codes: six characters a teacher writes on the board and a pupil types,
// e.g. "K7MP35". The alphabet leaves out 0/O and 1/I, which are easily
// confused; small letters are read as capitals, blanks and hyphens are
// ignored. The sixth character is a check character over the first five, so
// a mistyped code is refused instead of quietly giving other exercises.

inline constexpr int KlassencodeLaenge = 6;
// 32 characters: A–Z without I and O, 2–9.
inline const QString KlassencodeAlphabet = QStringLiteral("ABCDEFGHJKLMNPQRSTUVWXYZ23456789");

// The text as it is checked: capitals, without blanks and hyphens.
QString NormalisiereKlassencode(const QString& text);

// Why a (normalised) code is refused, empty when it is a valid code. The
// messages are for the pupil: too short, a character not used in codes, or
// a mistyped character.
QString KlassencodeFehler(const QString& text);
inline bool IstKlassencode(const QString& text)
{
    return KlassencodeFehler(text).isEmpty();
}

// The check character of five code characters.
QChar KlassencodePruefzeichen(const QString& fuenf);

// A fresh code, drawn from the system's entropy (the exercise generator is not
// touched, so proposing a code never changes a drill).
QString NeuerKlassencode();

// FNV-1a (64 bits) over the UTF-8 bytes of the text: the project's own hash,
// the same on every compiler and machine.
quint64 Fnv1a64(const QString& text);
