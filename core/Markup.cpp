#include "core/Markup.h"

#include "core/NumberHelpers.h"
#include "core/WorldWindow.h"

int SmallSize(int size)
{
    return RoundHalfEven(0.75 * size);
}

static void SetTextFont(Canvas& canvas, int size, bool bold)
{
    canvas.SetFontName(QStringLiteral("Arial"));
    canvas.SetFontSize(size);
    canvas.SetFontBold(bold); // other style bits stay as the caller left them
}

static void SetTermFont(Canvas& canvas, int size)
{
    canvas.SetFontName(QStringLiteral("Arial"));
    canvas.SetFontSize(size);
    canvas.SetFontItalic(false);
    canvas.SetFontUnderline(false);
    canvas.SetFontBold(true);
}

// Paints (when asked) and measures one character at the small size, top at y.
static int SmallChar(Canvas& canvas, QChar c, int x, int y, int size, bool paint)
{
    const int small = SmallSize(size);
    canvas.SetFontSize(small);
    if (paint)
        canvas.TextOut(x, y - small / 2, QString(c));
    const int width = canvas.TextWidth(QString(c));
    canvas.SetFontSize(size);
    return width;
}

static int CharWidth(Canvas& canvas, QChar c)
{
    return canvas.TextWidth(QString(c));
}

// One pass over a text with "^" honoured; measures, and paints when asked.
static int PlainRun(Canvas& canvas, const QString& text, int x, int y, int size, bool bold,
                    bool paint)
{
    SetTextFont(canvas, size, bold);
    int advance = 0;
    bool raised = false;
    for (const QChar c : Cut(text, ShortLen255)) {
        if (c == u'^') {
            raised = true;
        } else if (raised) {
            advance += SmallChar(canvas, c, x + advance, y, size, paint);
            raised = false;
        } else {
            if (paint)
                canvas.TextOut(x + advance, y, QString(c));
            advance += CharWidth(canvas, c);
        }
    }
    return advance;
}

int MarkupWidth(Canvas& canvas, const QString& text, int size, bool bold)
{
    return PlainRun(canvas, text, 0, 0, size, bold, false);
}

void DrawPlainRun(Canvas& canvas, const QString& text, int x, int y, const QColor& colour,
                  int size, bool bold)
{
    canvas.SetFontColor(colour);
    PlainRun(canvas, text, x, y, size, bold, true);
}

void DrawEmph3Run(Canvas& canvas, const QString& text, int x, int y, const QColor& normal,
                  const QColor& emphasisA, const QColor& emphasisB, int size, bool bold)
{
    SetTextFont(canvas, size, bold);
    canvas.SetFontColor(normal);
    int advance = 0;
    bool normalActive = true;
    bool firstSpan = true;
    for (const QChar c : Cut(text, ShortLen255)) {
        if (c == u'#') {
            if (normalActive) {
                canvas.SetFontColor(firstSpan ? emphasisA : emphasisB);
                firstSpan = false;
            } else {
                canvas.SetFontColor(normal);
            }
            normalActive = !normalActive;
            continue;
        }
        canvas.TextOut(x + advance, y, QString(c));
        advance += CharWidth(canvas, c);
    }
}

void DrawEmphRun(Canvas& canvas, const QString& text, int x, int y, const QColor& normal,
                 const QColor& emphasis, int size, bool bold)
{
    DrawEmph3Run(canvas, text, x, y, normal, emphasis, emphasis, size, bold);
}

// Brush clear, then the anchor in pixels.
static QPoint Anchor(Canvas& canvas, float wx, float wy)
{
    canvas.SetBrushStyle(Canvas::BrushStyle::Clear);
    return WorldToScreen(wx, wy);
}

void PaintTextRight(Canvas& canvas, const QString& text, const QColor& colour, float wx, float wy,
                    int size, bool bold)
{
    const QPoint p = Anchor(canvas, wx, wy);
    const int width = MarkupWidth(canvas, text, size, bold);
    DrawPlainRun(canvas, text, p.x() - width, p.y(), colour, size, bold);
}

void PaintTextCentred(Canvas& canvas, const QString& text, const QColor& colour, float wx,
                      float wy, int size, bool bold)
{
    const QPoint p = Anchor(canvas, wx, wy);
    const int width = MarkupWidth(canvas, text, size, bold);
    DrawPlainRun(canvas, text, p.x() - width / 2, p.y(), colour, size, bold);
}

void PaintTextLeft(Canvas& canvas, const QString& text, const QColor& colour, float wx, float wy,
                   int size, bool bold)
{
    const QPoint p = Anchor(canvas, wx, wy);
    DrawPlainRun(canvas, text, p.x(), p.y(), colour, size, bold);
}

void PaintEmphLeft(Canvas& canvas, const QString& text, const QColor& normal,
                   const QColor& emphasis, float wx, float wy, int size, bool bold)
{
    const QPoint p = Anchor(canvas, wx, wy);
    DrawEmphRun(canvas, text, p.x(), p.y(), normal, emphasis, size, bold);
}

void PaintEmphCentred(Canvas& canvas, const QString& text, const QColor& normal,
                      const QColor& emphasis, float wx, float wy, int size, bool bold)
{
    const QPoint p = Anchor(canvas, wx, wy);
    canvas.SetPenStyle(Canvas::PenStyle::Clear);
    const int width = MarkupWidth(canvas, text, size, bold);
    DrawEmphRun(canvas, text, p.x() - width / 2, p.y(), normal, emphasis, size, bold);
}

void PaintEmph3(Canvas& canvas, const QString& text, const QColor& normal, const QColor& emphasisA,
                const QColor& emphasisB, float wx, float wy, int size, bool bold, bool centred)
{
    const QPoint p = Anchor(canvas, wx, wy);
    const int left = centred ? p.x() - MarkupWidth(canvas, text, size, bold) / 2 : p.x();
    DrawEmph3Run(canvas, text, left, p.y(), normal, emphasisA, emphasisB, size, bold);
}

// Terms show the decimal comma and the middle dot.
static QString TermCopy(const QString& text)
{
    QString t = Cut(text, ShortLen255);
    t.replace(u'.', u',');
    t.replace(u'*', MiddleDot);
    return t;
}

int TermRunWidth(Canvas& canvas, const QString& text, int size)
{
    SetTermFont(canvas, size);
    int width = 0;
    for (const QChar c : TermCopy(text)) {
        if (c == u'#')
            width += 3;
        else if (c == u'(' || c == u')')
            width += CharWidth(canvas, c) + 1;
        else if (c == u'+')
            width += CharWidth(canvas, c) + 4;
        else if (c == u'-')
            width += CharWidth(canvas, c) + 8;
        else
            width += CharWidth(canvas, c);
    }
    return width;
}

void DrawTermRun(Canvas& canvas, int x, int yCentre, const QColor& colour, const QString& text,
                 int size)
{
    SetTermFont(canvas, size);
    canvas.SetFontColor(colour);
    const QString t = TermCopy(text);
    if (t.isEmpty())
        return;
    const int top = yCentre - canvas.TextExtent(t).height() / 2;
    int advance = 0;
    bool raised = false;
    bool group = false;
    for (const QChar c : t) {
        if (c == u'^') {
            raised = true;
            continue;
        }
        if (raised) {
            if (c == u'{') {
                group = true;
            } else if (c == u'}') {
                // The raised group ends here; what follows sits on the line.
                group = false;
                raised = false;
            } else {
                advance += SmallChar(canvas, c, x + advance, top, size, true);
                raised = group;
            }
            continue;
        }
        switch (c.unicode()) {
        case u'+':
            canvas.TextOut(x + advance + 2, top, QStringLiteral("+"));
            advance += 4;
            break;
        case u'-':
            canvas.TextOut(x + advance + 2, top - 1, QString(EnDash));
            advance += 8;
            break;
        case u'{':
            canvas.TextOut(x + advance, top, QStringLiteral("{"));
            advance += 2;
            break;
        case u'}':
            canvas.TextOut(x + advance + 2, top, QStringLiteral("}"));
            advance += 2;
            break;
        case u'|':
            canvas.SetFontColor(QColor(0, 0, 0));
            break;
        default:
            canvas.TextOut(x + advance, top, QString(c));
            break;
        }
        advance += CharWidth(canvas, c);
    }
}

FractionParts SplitFraction(const QString& text)
{
    const int slash = text.indexOf(u'/');
    if (slash < 0)
        return {QString(), text};
    return {text.left(slash), text.mid(slash + 1)};
}

// Numerator and denominator without the group's braces.
static FractionParts FractionBody(const QString& text)
{
    FractionParts parts = SplitFraction(text);
    for (QString* part : {&parts.numerator, &parts.denominator}) {
        if (part->startsWith(u'{'))
            part->remove(0, 1);
        if (part->endsWith(u'}'))
            part->chop(1);
    }
    return parts;
}

int FractionWidth(Canvas& canvas, const QString& text, int size)
{
    const FractionParts parts = FractionBody(Cut(text, ShortLen255));
    return qMax(TermRunWidth(canvas, parts.numerator, size),
                TermRunWidth(canvas, parts.denominator, size));
}

static int BarWidth(int size)
{
    if (size >= 6 && size <= 12)
        return 1;
    if (size >= 13 && size <= 20)
        return 2;
    return 3;
}

void DrawFraction(Canvas& canvas, int x, int y, const QColor& colour, const QString& text,
                  int size)
{
    const FractionParts parts = FractionBody(Cut(text, ShortLen255));
    const int wn = TermRunWidth(canvas, parts.numerator, size);
    const int wd = TermRunWidth(canvas, parts.denominator, size);
    const int w = wn > wd ? wn : wd;
    canvas.SetPenWidth(BarWidth(size));
    canvas.SetPenColor(colour);
    // A bar is always meant to show, whatever pen style an earlier text left.
    canvas.SetPenStyle(Canvas::PenStyle::Solid);
    canvas.MoveTo(x, y - 1);
    canvas.LineTo(x + w, y - 1);
    canvas.MoveTo(x, y);
    canvas.LineTo(x + w, y);
    const int hn = canvas.TextHeight(parts.numerator);
    const int hd = canvas.TextHeight(parts.denominator);
    DrawTermRun(canvas, x + (w - wn) / 2, y - hn / 2, colour, parts.numerator, size);
    const int denominatorCentre =
        parts.denominator.contains(u'^') ? y + hd - hn / 4 : y + hd - hn / 2;
    DrawTermRun(canvas, x + (w - wd) / 2, denominatorCentre, colour, parts.denominator, size);
    canvas.SetPenColor(QColor(0, 0, 0));
}

// Cuts a term into pieces from the left: fraction groups, plain groups with
// their braces, and the runs between them. Measures with the gaps TermWidth
// counts, or paints with the gaps DrawTerm uses.
static int TermPass(Canvas& canvas, int x, int y, const QColor& colour, const QString& text,
                    int size, bool paint)
{
    const int gap = paint ? 4 : 2;
    QString rest = Cut(text, ShortLen255);
    int advance = 0;
    while (!rest.isEmpty()) {
        qsizetype length;
        if (rest.startsWith(u'{')) {
            // An unclosed group runs to the end rather than never ending.
            const qsizetype close = rest.indexOf(u'}');
            length = close < 0 ? rest.size() : close + 1;
            const QString group = rest.left(length);
            if (group.contains(u'/')) {
                if (paint)
                    DrawFraction(canvas, x + advance, y, colour, group, size);
                advance += FractionWidth(canvas, group, size) + gap;
            } else {
                if (paint)
                    DrawTermRun(canvas, x + advance, y, colour, group, size);
                advance += TermRunWidth(canvas, group, size);
            }
        } else {
            const qsizetype open = rest.indexOf(u'{');
            length = open < 0 ? rest.size() : open;
            const QString piece = rest.left(length);
            if (paint)
                DrawTermRun(canvas, x + advance, y, colour, piece, size);
            advance += TermRunWidth(canvas, piece, size) + gap;
        }
        rest.remove(0, length);
    }
    return advance;
}

int TermWidth(Canvas& canvas, const QString& text, int size)
{
    return TermPass(canvas, 0, 0, QColor(), text, size, false);
}

int DrawTerm(Canvas& canvas, int x, int y, const QColor& colour, const QString& text, int size)
{
    return TermPass(canvas, x, y, colour, text, size, true);
}

// Terms anchored in world units: solid pen of width 3 in the colour.
static QPoint TermAnchor(Canvas& canvas, const QColor& colour, float wx, float wy)
{
    canvas.SetBrushStyle(Canvas::BrushStyle::Clear);
    canvas.SetPenStyle(Canvas::PenStyle::Solid);
    canvas.SetPenWidth(3);
    canvas.SetPenColor(colour);
    return WorldToScreen(wx, wy);
}

void PaintTermCentred(Canvas& canvas, const QString& text, const QColor& colour, float wx,
                      float wy, int size)
{
    const QString term = Cut(text, ShortLen20);
    const QPoint p = TermAnchor(canvas, colour, wx, wy);
    DrawTerm(canvas, p.x() - TermWidth(canvas, term, size) / 2, p.y(), colour, term, size);
}

int PaintTermLeft(Canvas& canvas, const QString& text, const QColor& colour, float wx, float wy,
                  int size)
{
    const QString term = Cut(text, ShortLen20);
    const QPoint p = TermAnchor(canvas, colour, wx, wy);
    return DrawTerm(canvas, p.x(), p.y(), colour, term, size);
}
