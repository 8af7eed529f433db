#pragma once
#include <QString>

// Small stateless helpers for number texts and fractions, shared by the term
// builders, the answer checks and the screens.

inline constexpr QChar EnDash{0x2013};    // the minus sign the pupil sees
inline constexpr QChar MiddleDot{0x00B7}; // the multiplication sign shown
inline constexpr QChar Paragraph{0x00A7}; // "§", a colour mark in term texts

// Short strings hold at most this many characters; longer texts are cut.
inline constexpr int ShortLen20 = 20;
inline constexpr int ShortLen40 = 40;
inline constexpr int ShortLen80 = 80;
inline constexpr int ShortLen255 = 255;

// The text cut to at most max characters, as a short string stores it.
inline QString Cut(const QString& text, int max)
{
    return text.size() > max ? text.left(max) : text;
}

QString ShowMinus(const QString& text);  // leading "-" becomes the en dash
QString PlainMinus(const QString& text); // leading en dash becomes "-"
QString WithSign(const QString& text);   // explicit sign: "5" -> "+5", "-5" -> "–5"
QString BracketIfNonZero(const QString& text);
QString TrimLeadingZeros(const QString& text);
QString TrimTrailingZeros(const QString& text);
QString RemoveChar(const QString& text, QChar c);

// A number in fixed notation with the decimal comma (4,5; 83,333), whatever
// the locale; a value that rounds to zero never reads "-0,0".
QString FestKomma(double value, int decimals);

struct SignCheck {
    bool accepted = true;
    int errorKind = 0; // 1: the sign is missing, 2: more than one fraction bar
};
SignCheck CheckSignedEntry(const QString& text);

// Greatest common divisor with the sign rule the fraction results rely on:
// the result takes its sign from the course of the remainders, so it can be
// negative for a negative b (Gcd(4, -6) = -2).
int Gcd(int a, int b);

struct Fraction {
    int num = 0;
    int den = 1;
    friend bool operator==(const Fraction&, const Fraction&) = default;
};

Fraction ReduceFraction(int n, int d);
Fraction AddFractions(Fraction a, Fraction b);
Fraction SubFractions(Fraction a, Fraction b);
Fraction MulFractions(Fraction a, Fraction b);
Fraction DivFractions(Fraction a, Fraction b);
Fraction Add3Fractions(Fraction a, Fraction b, Fraction c);
Fraction SubSubFractions(Fraction a, Fraction b, Fraction c);
Fraction SubAddFractions(Fraction a, Fraction b, Fraction c);
Fraction Mul3Fractions(Fraction a, Fraction b, Fraction c);

struct PolarPoint {
    float x = 0;
    float y = 0;
};
PolarPoint PolarToXY(float radius, float angleDegrees);
