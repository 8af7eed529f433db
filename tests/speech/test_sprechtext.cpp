// Spoken terms: number words, denominators, the sentences of typical shown
// terms, and a property over every catalogue entry: the sentence holds no
// glyph a speech engine would read as punctuation, and reading it back with
// the small parser below gives the exact value of the exercise.
#include "core/Random.h"
#include "integer/GanzAnzeige.h"
#include "integer/GanzKatalog.h"
#include "integer/GanzSpeicher.h"
#include "rational/RationalKatalog.h"
#include "robust/ExakterTerm.h"
#include "robust/RationalSichtbar.h"
#include "speech/Sprechtext.h"

#include <QtTest>

#include <numeric>
#include <optional>

namespace {

// ------------------------------------------------ reading a sentence back
//
// Written apart from the routine under test: number words are taken apart
// from the big units down ("tausend", "hundert", "und"), not built up.

struct Q {
    __int128 z = 0;
    __int128 n = 1;
};

Q Kuerze(__int128 z, __int128 n)
{
    if (n < 0) {
        z = -z;
        n = -n;
    }
    __int128 a = z < 0 ? -z : z, b = n;
    while (b != 0) {
        const __int128 r = a % b;
        a = b;
        b = r;
    }
    if (a == 0)
        a = 1;
    return {z / a, n / a};
}
Q Plus(Q a, Q b) { return Kuerze(a.z * b.n + b.z * a.n, a.n * b.n); }
Q Minus(Q a, Q b) { return Kuerze(a.z * b.n - b.z * a.n, a.n * b.n); }
Q Mal(Q a, Q b) { return Kuerze(a.z * b.z, a.n * b.n); }
std::optional<Q> Durch(Q a, Q b)
{
    if (b.z == 0)
        return std::nullopt;
    return Kuerze(a.z * b.n, a.n * b.z);
}

const QStringList Grund = {"null", "eins", "zwei", "drei", "vier", "fünf", "sechs", "sieben", "acht", "neun",
                           "zehn", "elf", "zwölf", "dreizehn", "vierzehn", "fünfzehn", "sechzehn",
                           "siebzehn", "achtzehn", "neunzehn"};
const QStringList Zig = {"", "", "zwanzig", "dreißig", "vierzig", "fünfzig", "sechzig", "siebzig", "achtzig",
                         "neunzig"};

// A cardinal of one word below a million; -1 when it is none.
long long Kardinal(QString w)
{
    if (w.isEmpty())
        return -1;
    if (w == "ein")
        return 1;
    const int tausend = w.indexOf("tausend");
    if (tausend >= 0) {
        const QString vorn = w.left(tausend), hinten = w.mid(tausend + 7);
        const long long v = vorn.isEmpty() ? 1 : Kardinal(vorn);
        const long long h = hinten.isEmpty() ? 0 : Kardinal(hinten);
        return v < 1 || h < 0 ? -1 : v * 1000 + h;
    }
    const int hundert = w.indexOf("hundert");
    if (hundert >= 0) {
        const QString vorn = w.left(hundert), hinten = w.mid(hundert + 7);
        const long long v = vorn.isEmpty() ? 1 : Kardinal(vorn);
        const long long h = hinten.isEmpty() ? 0 : Kardinal(hinten);
        return v < 1 || v > 9 || h < 0 || h > 99 ? -1 : v * 100 + h;
    }
    const int und = w.indexOf("und");
    if (und > 0) {
        const long long e = Kardinal(w.left(und));
        const int z = Zig.indexOf(w.mid(und + 3));
        return e < 1 || e > 9 || z < 2 ? -1 : z * 10 + e;
    }
    if (const int z = Zig.indexOf(w); z >= 2)
        return z * 10;
    return Grund.indexOf(w);
}

// "Viertel" -> 4, "Halbe" -> 2, "Hundertstel" -> 100; -1 when no denominator.
long long Nenner(const QString& w)
{
    if (w.isEmpty() || !w[0].isUpper())
        return -1;
    if (w == "Halb" || w == "Halbe")
        return 2;
    QString k = w.toLower();
    if (k.endsWith("drittel"))
        k = k.chopped(7) + "drei";
    else if (k.endsWith("siebtel"))
        k = k.chopped(7) + "sieben";
    else if (k.endsWith("achtel"))
        k = k.chopped(6) + "acht";
    else if (k.endsWith("eintel"))
        k = k.chopped(6) + "eins";
    else if (k.endsWith("tel"))
        k = k.chopped(3); // "sechstel": "sechs"; "zwanzigstel": "zwanzigs" below
    else
        return -1;
    if (k.startsWith("hundert") || k.startsWith("tausend"))
        k.prepend("ein");
    long long n = Kardinal(k);
    if (n < 0 && k.endsWith(u's'))
        n = Kardinal(k.chopped(1));
    return n >= 2 ? n : -1;
}

class Leser {
public:
    explicit Leser(const QString& satz) : w_(satz.split(u' ', Qt::SkipEmptyParts)) {}

    std::optional<Q> Satz()
    {
        auto wert = Ausdruck();
        if (Nimm({"ist", "gleich"}) && pos_ != w_.size())
            return std::nullopt;
        if (!wert || pos_ != w_.size())
            return std::nullopt;
        return wert;
    }

private:
    bool Nimm(const QStringList& folge)
    {
        for (int k = 0; k < folge.size(); ++k)
            if (pos_ + k >= w_.size() || w_[pos_ + k] != folge[k])
                return false;
        pos_ += int(folge.size());
        return true;
    }

    std::optional<Q> Ausdruck()
    {
        auto a = Produkt();
        while (a) {
            if (Nimm({"plus"})) {
                auto b = Produkt();
                a = b ? std::optional(Plus(*a, *b)) : std::nullopt;
            } else if (Nimm({"minus"})) {
                auto b = Produkt();
                a = b ? std::optional(Minus(*a, *b)) : std::nullopt;
            } else {
                break;
            }
        }
        return a;
    }

    std::optional<Q> Produkt()
    {
        auto a = Faktor();
        while (a) {
            if (Nimm({"mal"})) {
                auto b = Faktor();
                a = b ? std::optional(Mal(*a, *b)) : std::nullopt;
            } else if (Nimm({"geteilt", "durch"})) {
                auto b = Faktor();
                a = b ? Durch(*a, *b) : std::nullopt;
            } else {
                break;
            }
        }
        return a;
    }

    std::optional<Q> Faktor()
    {
        if (Nimm({"minus"})) {
            auto a = Faktor();
            return a ? std::optional(Q{-a->z, a->n}) : std::nullopt;
        }
        if (Nimm({"plus"}))
            return Faktor();
        for (const QString& art : {QString("Klammer"), QString("eckige Klammer"), QString("Betragsstrich")}) {
            QStringList auf = art.split(u' ');
            QStringList zu = auf;
            auf << "auf";
            zu << "zu";
            if (Nimm(auf)) {
                auto a = Ausdruck();
                if (!a || !Nimm(zu))
                    return std::nullopt;
                if (art == "Betragsstrich" && a->z < 0)
                    a->z = -a->z;
                return a;
            }
        }
        if (Nimm({"Betrag", "von"})) {
            auto a = Faktor();
            if (a && a->z < 0)
                a->z = -a->z;
            return a;
        }
        return Zahl();
    }

    std::optional<Q> Zahl()
    {
        if (pos_ >= w_.size())
            return std::nullopt;
        const long long ganz = Kardinal(w_[pos_]);
        if (ganz < 0)
            return std::nullopt;
        ++pos_;
        if (pos_ < w_.size()) {
            const long long n = Nenner(w_[pos_]);
            if (n > 0) {
                ++pos_;
                return Kuerze(ganz, n);
            }
        }
        if (Nimm({"Komma"})) {
            Q q{ganz, 1};
            __int128 stelle = 1;
            int stellen = 0;
            while (pos_ < w_.size()) {
                const int ziffer = int(Grund.indexOf(w_[pos_]));
                if (ziffer < 0 || ziffer > 9)
                    break;
                stelle *= 10;
                q = Plus(q, Kuerze(ziffer, stelle));
                ++pos_;
                ++stellen;
            }
            return stellen > 0 ? std::optional(q) : std::nullopt;
        }
        return Q{ganz, 1};
    }

    QStringList w_;
    int pos_ = 0;
};

std::optional<Q> LiesZurueck(const QString& satz)
{
    return Leser(satz).Satz();
}

const QString Glyphen = QString::fromUtf8("–-/{}[]|·:()");

QString VerboteneZeichen(const QString& satz)
{
    QString gefunden;
    for (QChar c : satz)
        if (Glyphen.contains(c) && !gefunden.contains(c))
            gefunden += c;
    return gefunden;
}

// The drill's result text as an exact value: "-12", "-5/12", "1,10".
Q Erwartet(const QString& ergebnis, bool* ok)
{
    ExaktBruch b;
    *ok = LeseErgebnis(ergebnis, b);
    return {b.z, b.n};
}

// Checks one shown term against its stored result; the fault, or empty.
QString Pruefe(const QString& gezeigt, const QString& ergebnis)
{
    const QString satz = SprichTerm(gezeigt);
    const QString glyphen = VerboteneZeichen(satz);
    if (!glyphen.isEmpty())
        return QStringLiteral("Zeichen %1 in \"%2\" für %3").arg(glyphen, satz, gezeigt);
    bool ok = false;
    const Q soll = Erwartet(ergebnis, &ok);
    if (!ok)
        return QStringLiteral("Ergebnis %1 unlesbar").arg(ergebnis);
    const auto ist = LiesZurueck(satz);
    if (!ist)
        return QStringLiteral("\"%1\" nicht lesbar (%2)").arg(satz, gezeigt);
    if (ist->z != soll.z || ist->n != soll.n)
        return QStringLiteral("\"%1\" hat einen anderen Wert als %2 = %3").arg(satz, gezeigt, ergebnis);
    return {};
}

int Seeds()
{
    bool ok = false;
    const int n = qEnvironmentVariableIntValue("ML_SPEECH_SEEDS", &ok);
    return ok && n > 0 ? n : 300;
}

} // namespace

class TestSprechtext : public QObject {
    Q_OBJECT
private slots:
    void zahlwoerter_data()
    {
        QTest::addColumn<qlonglong>("n");
        QTest::addColumn<QString>("wort");
        QTest::newRow("0") << 0LL << "null";
        QTest::newRow("1") << 1LL << "eins";
        QTest::newRow("16") << 16LL << "sechzehn";
        QTest::newRow("17") << 17LL << "siebzehn";
        QTest::newRow("21") << 21LL << "einundzwanzig";
        QTest::newRow("30") << 30LL << "dreißig";
        QTest::newRow("99") << 99LL << "neunundneunzig";
        QTest::newRow("100") << 100LL << "hundert";
        QTest::newRow("101") << 101LL << "hunderteins";
        QTest::newRow("151") << 151LL << "hunderteinundfünfzig";
        QTest::newRow("1000") << 1000LL << "tausend";
        QTest::newRow("2024") << 2024LL << "zweitausendvierundzwanzig";
        QTest::newRow("-7") << -7LL << "minus sieben";
        QTest::newRow("Million") << 1000001LL << "eine Million eins";
    }
    void zahlwoerter()
    {
        QFETCH(qlonglong, n);
        QFETCH(QString, wort);
        QCOMPARE(Zahlwort(n), wort);
    }

    // Every number word below a million reads back to its number.
    void zahlwoerterLesbar()
    {
        for (long long n = 0; n < 1000000; n += (n < 2000 ? 1 : 997))
            QCOMPARE(Kardinal(Zahlwort(n)), n);
    }

    void nenner()
    {
        QCOMPARE(Nennerwort(2, false), QString("Halb"));
        QCOMPARE(Nennerwort(2, true), QString("Halbe"));
        QCOMPARE(Nennerwort(3, true), QString("Drittel"));
        QCOMPARE(Nennerwort(5, true), QString("Fünftel"));
        QCOMPARE(Nennerwort(7, true), QString("Siebtel"));
        QCOMPARE(Nennerwort(8, true), QString("Achtel"));
        QCOMPARE(Nennerwort(16, true), QString("Sechzehntel"));
        QCOMPARE(Nennerwort(20, true), QString("Zwanzigstel"));
        QCOMPARE(Nennerwort(21, true), QString("Einundzwanzigstel"));
        QCOMPARE(Nennerwort(100, true), QString("Hundertstel"));
        QCOMPARE(Nennerwort(103, true), QString("Hundertdrittel"));
        for (int n = 2; n <= 2000; ++n)
            QCOMPARE(Nenner(Nennerwort(n, true)), n);
        QCOMPARE(Bruchwort(1, 2), QString("ein Halb"));
        QCOMPARE(Bruchwort(5, 2), QString("fünf Halbe"));
        QCOMPARE(Bruchwort(-3, 4), QString("minus drei Viertel"));
        QCOMPARE(Bruchwort(1, 3), QString("ein Drittel"));
    }

    void saetze_data()
    {
        const QString d = QString(QChar(0x2013));
        QTest::addColumn<QString>("gezeigt");
        QTest::addColumn<QString>("satz");
        QTest::newRow("Brüche mit Vorzeichen")
            << "(" + d + "3/4) + (+5/6) ="
            << "Klammer auf minus drei Viertel Klammer zu plus Klammer auf plus fünf Sechstel Klammer zu ist gleich";
        QTest::newRow("vereinfacht") << "3/4 " + d + " 1/2 =" << "drei Viertel minus ein Halb ist gleich";
        QTest::newRow("eckige Klammern") << "[(" + d + "21) + (+21)] · (" + d + "3) ="
                                         << "eckige Klammer auf Klammer auf minus einundzwanzig Klammer zu plus "
                                            "Klammer auf plus einundzwanzig Klammer zu eckige Klammer zu mal "
                                            "Klammer auf minus drei Klammer zu ist gleich";
        QTest::newRow("Betrag einer Zahl") << "|" + d + "7| : 7 =" << "Betrag von minus sieben geteilt durch sieben ist gleich";
        QTest::newRow("Betrag einer Summe") << "| + 3 + 5| " + d + " 2 ="
                                            << "Betragsstrich auf plus drei plus fünf Betragsstrich zu minus zwei ist gleich";
        QTest::newRow("zwei Beträge") << "|3| · |" + d + "4|" << "Betrag von drei mal Betrag von minus vier";
        QTest::newRow("Dezimalzahlen") << "(+2,4) + (" + d + "1,35) ="
                                       << "Klammer auf plus zwei Komma vier Klammer zu plus Klammer auf minus eins "
                                          "Komma drei fünf Klammer zu ist gleich";
        QTest::newRow("Ergebnis") << "-5/12" << "minus fünf Zwölftel";
        QTest::newRow("Bruch-Markup") << "!-{5/6}!+!+{3/4}!"
                                      << "Klammer auf minus fünf Sechstel Klammer zu plus Klammer auf plus drei "
                                         "Viertel Klammer zu";
        QTest::newRow("Markup ohne Vorzeichen") << "!{1/2}!·!-{3/4}!"
                                                << "ein Halb mal Klammer auf minus drei Viertel Klammer zu";
        QTest::newRow("gemischte Zahl") << "-4{1/3}" << "minus vier und ein Drittel";
        QTest::newRow("Temperatur") << d + "5°C" << "minus fünf Grad Celsius";
        QTest::newRow("Vergleich") << "|" + d + "1/2| > 1/3" << "Betrag von minus ein Halb ist größer als ein Drittel";
        QTest::newRow("Hervorhebung") << "3 #" + d + "# 5 = #" + d + "#2" << "drei minus fünf ist gleich minus zwei";
    }
    void saetze()
    {
        QFETCH(QString, gezeigt);
        QFETCH(QString, satz);
        QCOMPARE(SprichTerm(gezeigt), satz);
    }

    void namenDerBewertungen()
    {
        QCOMPARE(BewertungsName(Bewertungsstand::RichtigErst), QString("richtig im ersten Versuch"));
        QCOMPARE(MarkenName(2, false), BewertungsName(Bewertungsstand::FalschZweit));
        QSet<QString> alle;
        for (Bewertungsstand b : {Bewertungsstand::Offen, Bewertungsstand::RichtigErst, Bewertungsstand::FalschErst, Bewertungsstand::RichtigZweit,
                            Bewertungsstand::FalschZweit})
            alle.insert(BewertungsName(b));
        QCOMPARE(alle.size(), 5);
    }

    // All 36 integer entries, both display modes, many seeds.
    void ganzerKatalog()
    {
        QStringList fehler;
        const int n = Seeds();
        for (int art = 1; art <= 9; ++art) {
            for (int stufe = 1; stufe <= 4; ++stufe) {
                for (bool einfach : {false, true}) {
                    RandSeed(quint64(art * 100 + stufe * 10 + (einfach ? 1 : 0)));
                    ArtGanz = art;
                    Vereinfacht = einfach;
                    for (int k = 0; k < n && fehler.size() < 20; ++k) {
                        const GanzAufgabe a = ZieheAufgabeGanz(art, stufe, einfach);
                        QString gezeigt = AnzeigeTextGanz(a.Term);
                        const QString f = Pruefe(gezeigt, a.Ergebnis);
                        if (!f.isEmpty())
                            fehler << QStringLiteral("Ganz %1/%2: ").arg(art).arg(stufe) + f;
                    }
                }
            }
        }
        ArtGanz = 0;
        Vereinfacht = false;
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(u'\n')));
    }

    // All 18 rational entries, both display modes, many seeds.
    void rationalerKatalog()
    {
        QStringList fehler;
        const int n = Seeds();
        int geprueft = 0;
        for (int art = 1; art <= 5; ++art) {
            for (int stufe = 1; stufe <= RationalStufen(art); ++stufe) {
                for (bool einfach : {false, true}) {
                    RandSeed(quint64(7000 + art * 100 + stufe * 10 + (einfach ? 1 : 0)));
                    RationalVereinfacht = einfach;
                    for (int k = 0; k < n && fehler.size() < 20; ++k) {
                        RationalAufgaben[1] = TRationalAufgabe{};
                        RationalEintrag(art, stufe, 1);
                        const TRationalAufgabe& a = RationalAufgaben[1];
                        int formNr = 0;
                        const QString gezeigt = RationalSichtbar(a, art, einfach, formNr);
                        if (a.IstBruch && formNr == 0)
                            continue; // a row the screen does not paint
                        ++geprueft;
                        const QString f = Pruefe(gezeigt, a.Ergebnis);
                        if (!f.isEmpty())
                            fehler << QStringLiteral("Rational %1/%2: ").arg(art).arg(stufe) + f;
                    }
                }
            }
        }
        RationalVereinfacht = false;
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(u'\n')));
        QVERIFY(geprueft > 18 * 2 * n * 9 / 10);
    }

    // The parser is no pushover: a sentence missing a closing word or with a
    // changed number is refused or read to another value.
    void leserFaengtFehler()
    {
        QVERIFY(!LiesZurueck("Klammer auf minus drei ist gleich"));
        QVERIFY(!LiesZurueck("Betragsstrich auf drei minus vier"));
        const auto a = LiesZurueck("drei Viertel minus ein Halb ist gleich");
        QVERIFY(a && a->z == 1 && a->n == 4);
        QVERIFY(!Pruefe("3/4 " + QString(QChar(0x2013)) + " 1/2 =", "1/2").isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestSprechtext)
#include "test_sprechtext.moc"
