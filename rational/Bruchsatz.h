#pragma once
#include "rational/BruchsatzText.h"
#include "rational/KSys.h"
#include "rational/RationalTermBauer.h"

#include <QChar>
#include <QColor>
#include <QString>

#include <array>

// Typesetting of fraction terms: built-up fractions, brackets drawn from
// strokes and arcs, operands and the sixteen term shapes of the rational
// screens. Positions are world coordinates of the current TKSys, y at the
// height of the fraction bars; every returned width is in world units. Each
// painter returns its advance and each measuring twin returns exactly that
// advance without painting, so a screen can centre a term before painting it.
// Alignment letters: 'L' left edge on x, 'M' centre on x.

// One fraction of a term: sign ("+", "–" or empty), numerator, denominator.
struct TOperand {
    QString Vorzeichen;
    QString Zaehler;
    QString Nenner;
};

// Up to four operands and the operator characters between them ("+", "–",
// "·", ":"); a shape reads as many as it shows.
using TOperanden = std::array<TOperand, 4>;
using TOperatoren = std::array<QChar, 3>;

// Gap after each element, in world units.
inline constexpr float SignGap = 0.5f; // between a bracketed operand's sign and fraction
inline constexpr float LeadGap = 0.3f; // between a lead sign and its fraction

// Brackets; the reference text (the enclosed numerator) sets their height.
// kind 1 opens, 2 closes.
float SquareBracketWidth(int size);
float PaintSquareBracket(Canvas& canvas, const QString& reference, float x, float y, int size,
                         const QColor& colour, int kind);
float RoundBracketWidth(int size);
float PaintRoundBracket(Canvas& canvas, const QString& reference, float x, float y, int size,
                        const QColor& colour, int kind);

// Numerator over a bar of pen width 3 exactly as long as the wider text, the
// denominator below; 3 pixels of space follow.
float FractionBoxWidth(Canvas& canvas, const QString& numerator, const QString& denominator,
                       int size, char align);
float PaintFractionBox(Canvas& canvas, const QString& numerator, const QString& denominator,
                       float x, float y, int size, const QColor& colour, char align);

// "(" sign fraction ")": brackets and sign black, the fraction in the colour.
// An operand without sign is its fraction alone, 0.3 right of x.
float BracketedOperandWidth(Canvas& canvas, const QString& sign, const QString& numerator,
                            const QString& denominator, int size, char align);
float PaintBracketedOperand(Canvas& canvas, const QString& sign, const QString& numerator,
                            const QString& denominator, float x, float y, int size,
                            const QColor& colour, char align);

// Sign and fraction without brackets, both in the colour, laid out from the
// left whatever the alignment. An empty sign gives the plain fraction.
float LeadOperandWidth(Canvas& canvas, const QString& sign, const QString& numerator,
                       const QString& denominator, int size, char align);
float PaintLeadOperand(Canvas& canvas, const QString& sign, const QString& numerator,
                       const QString& denominator, float x, float y, int size,
                       const QColor& colour, char align);
float PaintPlainOperand(Canvas& canvas, const QString& numerator, const QString& denominator,
                        float x, float y, int size, const QColor& colour, char align);

// Convenience forms of the operand painters for one TOperand.
float BracketedOperandWidth(Canvas& canvas, const TOperand& operand, int size, char align);
float LeadOperandWidth(Canvas& canvas, const TOperand& operand, int size, char align);

// The operands and operators of a term read into BruchTeile.
TOperanden Operanden(const BruchTeile& teile);
TOperatoren Operatoren(const BruchTeile& teile);

// " o " for an operator character and the closing sign " = ".
QString OperatorText(QChar op);
inline const QString ClosingText = QStringLiteral(" = ");

// The term shapes, numbered 1 … 16:
//   1 B op B =                 9 L op (L op P) =
//   2 B op B op B =           10 S op S =
//   3 B op [B op B] =         11 S op S op S =
//   4 [B op B] op B =         12 L op [S op S] =
//   5 [B op B] op [B op B] =  13 (L op P) op S =   (P: its sign never shown)
//   6 B op B op B op B =      14 L op G(L op S)G = (G square unless the last sign is "+")
//   7 L op P =                15 L op S op S op S =
//   8 L op P op P =           16 [L op S] op [L op S] =
// B bracketed operand (also for "+"); S plain fraction for "+", else bracketed;
// L lead operand: sign shown, "+" too in shapes 7 to 9, hidden otherwise;
// P fraction alone. closing 'J' paints " = " after the term, 'N' does not.
// x is the left end of the term, y the height of its fraction bars. Any other
// shape number paints nothing and measures 0.
inline constexpr int TermShapeCount = 16;
float PaintTermShape(int shape, Canvas& canvas, const TOperanden& operands,
                     const TOperatoren& operators, char closing, char align, float x, float y,
                     int size, const QColor& colour);
float TermShapeWidth(int shape, Canvas& canvas, const TOperanden& operands,
                     const TOperatoren& operators, char closing, char align, int size);
