#include "rational/BruchsatzText.h"

#include "core/Canvas.h"
#include "core/NumberHelpers.h"
#include "rational/KSys.h"

#include <QFontMetrics>
#include <QHash>

void InitTermPalette()
{
    TermPalette = TTermPalette{};
}

QChar SymbolGlyph(QChar code)
{
    // The letters and signs of the "Symbol" font by their codes; codes that
    // hold the same sign in both fonts (digits, brackets, + = < > …) are not
    // listed and stay as they are.
    static const QHash<ushort, ushort> glyphs = {
        {'"', 0x2200}, {'$', 0x2203}, {'\'', 0x220B}, {'*', 0x2217}, {'-', 0x2212}, {'@', 0x2245},
        {'A', 0x0391}, {'B', 0x0392}, {'C', 0x03A7}, {'D', 0x0394}, {'E', 0x0395}, {'F', 0x03A6},
        {'G', 0x0393}, {'H', 0x0397}, {'I', 0x0399}, {'J', 0x03D1}, {'K', 0x039A}, {'L', 0x039B},
        {'M', 0x039C}, {'N', 0x039D}, {'O', 0x039F}, {'P', 0x03A0}, {'Q', 0x0398}, {'R', 0x03A1},
        {'S', 0x03A3}, {'T', 0x03A4}, {'U', 0x03A5}, {'V', 0x03C2}, {'W', 0x03A9}, {'X', 0x039E},
        {'Y', 0x03A8}, {'Z', 0x0396}, {'\\', 0x2234}, {'^', 0x22A5}, {'`', 0x203E},
        {'a', 0x03B1}, {'b', 0x03B2}, {'c', 0x03C7}, {'d', 0x03B4}, {'e', 0x03B5}, {'f', 0x03C6},
        {'g', 0x03B3}, {'h', 0x03B7}, {'i', 0x03B9}, {'j', 0x03D5}, {'k', 0x03BA}, {'l', 0x03BB},
        {'m', 0x03BC}, {'n', 0x03BD}, {'o', 0x03BF}, {'p', 0x03C0}, {'q', 0x03B8}, {'r', 0x03C1},
        {'s', 0x03C3}, {'t', 0x03C4}, {'u', 0x03C5}, {'v', 0x03D6}, {'w', 0x03C9}, {'x', 0x03BE},
        {'y', 0x03C8}, {'z', 0x03B6}, {'~', 0x223C},
        {0xA1, 0x03D2}, {0xA2, 0x2032}, {0xA3, 0x2264}, {0xA4, 0x2044}, {0xA5, 0x221E},
        {0xA6, 0x0192}, {0xA7, 0x2663}, {0xA8, 0x2666}, {0xA9, 0x2665}, {0xAA, 0x2660},
        {0xAB, 0x2194}, {0xAC, 0x2190}, {0xAD, 0x2191}, {0xAE, 0x2192}, {0xAF, 0x2193},
        {0xB2, 0x2033}, {0xB3, 0x2265}, {0xB4, 0x00D7}, {0xB5, 0x221D}, {0xB6, 0x2202},
        {0xB7, 0x2022}, {0xB9, 0x2260}, {0xBA, 0x2261}, {0xBB, 0x2248}, {0xBC, 0x2026},
        {0xBD, 0x23D0}, {0xBE, 0x23AF}, {0xBF, 0x21B5}, {0xC0, 0x2135}, {0xC1, 0x2111},
        {0xC2, 0x211C}, {0xC3, 0x2118}, {0xC4, 0x2297}, {0xC5, 0x2295}, {0xC6, 0x2205},
        {0xC7, 0x2229}, {0xC8, 0x222A}, {0xC9, 0x2283}, {0xCA, 0x2287}, {0xCB, 0x2284},
        {0xCC, 0x2282}, {0xCD, 0x2286}, {0xCE, 0x2208}, {0xCF, 0x2209}, {0xD0, 0x2220},
        {0xD1, 0x2207}, {0xD2, 0x00AE}, {0xD3, 0x00A9}, {0xD4, 0x2122}, {0xD5, 0x220F},
        {0xD6, 0x221A}, {0xD7, 0x22C5}, {0xD8, 0x00AC}, {0xD9, 0x2227}, {0xDA, 0x2228},
        {0xDB, 0x21D4}, {0xDC, 0x21D0}, {0xDD, 0x21D1}, {0xDE, 0x21D2}, {0xDF, 0x21D3},
        {0xE0, 0x25CA}, {0xE1, 0x2329}, {0xE5, 0x2211}, {0xF1, 0x232A}, {0xF2, 0x222B},
    };
    return QChar(glyphs.value(code.unicode(), code.unicode()));
}

namespace {

const QColor* MarkColour(QChar ch)
{
    switch (ch.unicode()) {
    case '#':
        return &TermPalette.Hash;
    case '$':
        return &TermPalette.Dollar;
    case '&':
        return &TermPalette.Ampersand;
    case '_':
        return &TermPalette.Underscore;
    case '~':
        return &TermPalette.Tilde;
    case 0x00A7: // §
        return &TermPalette.Section;
    default:
        return nullptr;
    }
}

enum class Pending { None, Raise, Lower, Symbol };

// The en dash sits at the height of a text hyphen, below the middle of "+"
// and "="; as a minus sign in a term it is raised by that difference so that
// it stands on the fraction bars like the plus sign. Its width is unchanged.
int MinusLift(const QFont& font)
{
    const QFontMetrics fm(font);
    const QRect plus = fm.boundingRect(QChar(u'+'));
    const QRect dash = fm.boundingRect(EnDash);
    const int twice = (dash.top() + dash.bottom()) - (plus.top() + plus.bottom());
    return twice > 0 ? twice / 2 : 0;
}

// One walk over a term text for painting and measuring alike, so that a
// measured width is always the advance of the painted text. Returns the
// advance in pixels.
int WalkTermText(Canvas& c, const QString& text, int px, int py, int size, bool bold,
                 const QColor& base, bool paint, bool raisedFourPixel)
{
    const QString arial = QStringLiteral("Arial");
    c.SetFontName(arial);
    c.SetFontBold(bold);
    c.SetFontSize(size);
    QColor colour = base;
    if (paint)
        c.SetFontColor(base);
    Pending pending = Pending::None;
    int pen = px;
    for (const QChar ch : text) {
        if (const QColor* mark = MarkColour(ch)) {
            colour = colour == base ? *mark : base;
            if (paint)
                c.SetFontColor(colour);
            continue;
        }
        if (pending == Pending::None) {
            if (ch == u'^' || ch == u'\\' || ch == u'@') {
                pending = ch == u'^' ? Pending::Raise : ch == u'\\' ? Pending::Lower : Pending::Symbol;
                continue;
            }
            const QString s(ch);
            if (paint)
                c.TextOut(pen, py - (ch == EnDash ? MinusLift(c.Font()) : 0), s);
            pen += c.TextWidth(s);
            continue;
        }
        const int small = TKSys::Round(0.75 * size);
        QString glyph(ch);
        int dx = 0;
        int dy = 0;
        switch (pending) {
        case Pending::Raise:
            c.SetFontSize(small);
            dy = -(small / 2);
            dx = raisedFourPixel && ch == u'4' ? 1 : 0;
            break;
        case Pending::Lower:
            c.SetFontSize(small);
            dy = small;
            break;
        default:
            c.SetFontName(QStringLiteral("Symbol"));
            c.SetFontSize(size + 2);
            dy = ch == u'p' ? -4 : -2;
            glyph = QString(SymbolGlyph(ch));
            break;
        }
        if (paint)
            c.TextOut(pen + dx, py + dy - (glyph == EnDash ? MinusLift(c.Font()) : 0), glyph);
        pen += c.TextWidth(glyph) + dx;
        c.SetFontName(arial);
        c.SetFontSize(size);
        pending = Pending::None;
    }
    return pen - px;
}

int AlignedLeft(int px, int width, char halign)
{
    switch (halign) {
    case 'M':
        return px - width / 2;
    case 'R':
        return px - width;
    default:
        return px;
    }
}

float AdvanceOf(int width, char halign)
{
    const float w = KSys().PixelsToWorld(width);
    switch (halign) {
    case 'M':
        return w / 2;
    case 'R':
        return 0;
    default:
        return w;
    }
}

// Places a term text at a world anchor and paints it with the given base
// colour; returns the advance.
float PaintAnchored(Canvas& c, const QString& text, int size, float x, float y, char halign,
                    char valign, bool bold, const QColor& colour, bool raisedFourPixel)
{
    const TKSys& k = KSys();
    c.SetFontName(QStringLiteral("Arial"));
    c.SetFontBold(true);
    c.SetFontSize(size);
    c.SetBrushStyle(Canvas::BrushStyle::Clear);
    // The text height is turned into world units with the horizontal scale.
    const float h = k.PixelsToWorld(c.TextExtent(text).height());
    const int w = TermTextWidth(c, text, size);
    const float top = valign == 'M' ? y + h / 2 : valign == 'U' ? y + h : y;
    const QPoint p = k.WorldToPixel(x, top);
    WalkTermText(c, text, AlignedLeft(p.x(), w, halign), p.y(), size, bold, colour, true,
                 raisedFourPixel);
    return AdvanceOf(w, halign);
}

} // namespace

int TermTextWidth(Canvas& canvas, const QString& text, int size)
{
    return WalkTermText(canvas, text, 0, 0, size, true, TermPalette.Base, false, false);
}

float TermTextWorldWidth(Canvas& canvas, const QString& text, int size)
{
    return KSys().PixelsToWorld(TermTextWidth(canvas, text, size));
}

void DrawTermText(Canvas& canvas, const QString& text, int px, int size, int py)
{
    WalkTermText(canvas, text, px, py, size, true, TermPalette.Base, true, true);
}

void DrawTermTextColored(Canvas& canvas, const QString& text, int px, bool bold, int size,
                         const QColor& colour, int py)
{
    WalkTermText(canvas, text, px, py, size, bold, colour, true, false);
}

void PaintTermTextAt(Canvas& canvas, const QString& text, int size, float x, float y, char halign)
{
    canvas.SetFontSize(size);
    canvas.SetBrushStyle(Canvas::BrushStyle::Clear);
    const int w = TermTextWidth(canvas, text, size);
    const QPoint p = KSys().WorldToPixel(x, y);
    DrawTermText(canvas, text, AlignedLeft(p.x(), w, halign), size, p.y());
}

float PaintTermText(Canvas& canvas, const QString& text, int size, float x, float y, char halign,
                    char valign)
{
    return PaintAnchored(canvas, text, size, x, y, halign, valign, true, TermPalette.Base, true);
}

float PaintTermTextColored(Canvas& canvas, const QString& text, int size, float x, float y,
                           const QColor& colour, char halign, char valign)
{
    return PaintAnchored(canvas, text, size, x, y, halign, valign, true, colour, false);
}

float TermTextAdvance(Canvas& canvas, const QString& text, int size, char halign)
{
    return AdvanceOf(TermTextWidth(canvas, text, size), halign);
}
