#include "rational/RationalAnzeige.h"

#include "core/NumberHelpers.h"

namespace {

// Replaces until the pattern no longer occurs (a replacement may create it anew).
void ErsetzeAlle(QString& text, const QString& was, const QString& durch)
{
    while (text.contains(was))
        text.replace(was, durch);
}

QString Vereinfacht(QString t)
{
    t.remove(u'(');
    t.remove(u')');
    if (t.startsWith(u'+'))
        t.remove(0, 1);
    static const QString muster[4][2] = {{"++", "+"}, {"+-", "-"}, {"-+", "-"}, {"--", "+"}};
    for (bool weiter = true; weiter;) {
        weiter = false;
        for (const auto& m : muster) {
            if (t.contains(m[0])) {
                ErsetzeAlle(t, m[0], m[1]);
                weiter = true;
            }
        }
    }
    t.replace(u'+', QStringLiteral(" + "));
    t.replace(u'-', QStringLiteral(" - "));
    // A leading minus belongs to its number, as it does inside a group below.
    if (t.startsWith(QLatin1String(" - ")))
        t.replace(0, 3, QStringLiteral("-"));
    t.replace(u'[', u'(');
    t.replace(u']', u')');
    ErsetzeAlle(t, QStringLiteral("( "), QStringLiteral("("));
    if (t.endsWith(u')') && t.size() >= 2)
        t.remove(t.size() - 2, 1);
    if (const int i = t.indexOf(QLatin1String("(-")); i >= 0 && i + 2 < t.size())
        t.remove(i + 2, 1);
    if (const int i = t.indexOf(QLatin1String("(+")); i >= 0)
        t.remove(i + 1, 2);
    return t;
}

QString MitVorzeichen(QString t)
{
    ErsetzeAlle(t, QStringLiteral(")+("), QStringLiteral(") + ("));
    ErsetzeAlle(t, QStringLiteral(")-("), QStringLiteral(") - ("));
    ErsetzeAlle(t, QStringLiteral(")-["), QStringLiteral(") - ["));
    return t;
}

} // namespace

QString DezimaltermAnzeige(const QString& term, bool vereinfacht)
{
    QString t = vereinfacht ? Vereinfacht(term) : MitVorzeichen(term);
    t.replace(u'-', EnDash);
    return Cut(t, ShortLen80);
}
