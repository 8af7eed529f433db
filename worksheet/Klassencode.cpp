#include "worksheet/Klassencode.h"

#include <QRandomGenerator>

QString NormalisiereKlassencode(const QString& text)
{
    QString code;
    for (const QChar c : text) {
        if (c.isSpace() || c == u'-' || c == QChar(0x2013))
            continue;
        code += c.toUpper();
    }
    return code;
}

QChar KlassencodePruefzeichen(const QString& fuenf)
{
    // Luhn mod 32: every single wrong character and every swap of two
    // different neighbours changes the check character.
    const int n = int(KlassencodeAlphabet.size());
    int summe = 0;
    bool doppelt = true;
    for (int k = int(fuenf.size()) - 1; k >= 0; --k) {
        int wert = int(KlassencodeAlphabet.indexOf(fuenf.at(k)));
        if (doppelt)
            wert *= 2;
        summe += wert / n + wert % n;
        doppelt = !doppelt;
    }
    return KlassencodeAlphabet.at((n - summe % n) % n);
}

QString KlassencodeFehler(const QString& text)
{
    const QString code = NormalisiereKlassencode(text);
    if (code.isEmpty())
        return QStringLiteral("Bitte gib den Klassencode ein.");
    for (const QChar c : code) {
        if (!KlassencodeAlphabet.contains(c)) {
            if (c == u'0' || c == u'O' || c == u'1' || c == u'I')
                return QStringLiteral("Ein Klassencode enthält kein „%1“. Schau noch einmal genau hin.").arg(c);
            return QStringLiteral("„%1“ kommt in Klassencodes nicht vor.").arg(c);
        }
    }
    if (code.size() != KlassencodeLaenge)
        return QStringLiteral("Ein Klassencode hat %1 Zeichen, hier sind es %2.").arg(KlassencodeLaenge).arg(code.size());
    if (KlassencodePruefzeichen(code.left(5)) != code.at(5))
        return QStringLiteral("Diesen Klassencode gibt es nicht. Ist ein Zeichen vertippt?");
    return {};
}

QString NeuerKlassencode()
{
    QString code;
    for (int k = 0; k < KlassencodeLaenge - 1; ++k)
        code += KlassencodeAlphabet.at(int(QRandomGenerator::system()->bounded(quint32(KlassencodeAlphabet.size()))));
    return code + KlassencodePruefzeichen(code);
}

quint64 Fnv1a64(const QString& text)
{
    quint64 hash = 0xcbf29ce484222325ull;
    for (const char byte : text.toUtf8()) {
        hash ^= quint64(quint8(byte));
        hash *= 0x100000001b3ull;
    }
    return hash;
}
