// Sweep over the 36 integer catalogue entries, both display modes, thousands
// of seeded builds each. For every exercise: the draw loop ended within a
// bounded number of random draws; the stored result equals the value of the
// text the pupil sees (computed by the independent exact evaluator of
// robust/ExakterTerm.h, which also refuses a sign right after an operator and
// a division with remainder); the result fits its answer box; term, result
// and display keep their length limits. Per entry the bands appear with the
// shares of the catalogue table.
#include "core/NumberHelpers.h"
#include "core/Random.h"
#include "integer/GanzAnzeige.h"
#include "integer/GanzKatalog.h"
#include "integer/GanzSpeicher.h"
#include "robust/ExakterTerm.h"
#include "robust/Sweep.h"

#include <QtTest>

#include <array>
#include <vector>

namespace {

QList<Band> Zwei(const char* bauer, int op, int n1, int n2)
{
    return {{50, QStringLiteral("%1(%2,%3)").arg(bauer).arg(op).arg(n1)},
            {100, QStringLiteral("%1(%2,%3)").arg(bauer).arg(op).arg(n2)}};
}

QList<Band> Eins(const char* bauer, int op, int n)
{
    return {{100, QStringLiteral("%1(%2,%3)").arg(bauer).arg(op).arg(n)}};
}

QList<Band> Vier(const char* bauer, int op)
{
    QList<Band> b;
    for (int k = 0; k < 4; ++k)
        b.append({25 * (k + 1), QStringLiteral("%1(%2,%3)").arg(bauer).arg(op).arg(k + 3)});
    return b;
}

QList<Band> Varianten(int erste, std::initializer_list<int> grenzen)
{
    QList<Band> b;
    for (int bis : grenzen)
        b.append({bis, QStringLiteral("BaueGrundrechnung(%1)").arg(erste++)});
    return b;
}

QList<Band> GanzBaender(int art, int stufe)
{
    const char* K = "BaueKette";
    const char* Kl = "BaueKlammern";
    const char* B = "BaueBetraege";
    const char* V = "BaueVerbindung";
    switch (art * 10 + stufe) {
    case 11: return Eins(K, 1, 2);
    case 12: return Zwei(K, 1, 3, 4);
    case 13: return Zwei(K, 1, 4, 5);
    case 14: return Zwei(K, 1, 5, 6);
    case 21: return Zwei(K, 2, 2, 3);
    case 22: return Zwei(K, 2, 3, 4);
    case 23: return Zwei(K, 2, 4, 5);
    case 24: return Zwei(K, 2, 5, 6);
    case 31: return Zwei(K, 3, 2, 3);
    case 32: return Zwei(K, 3, 3, 4);
    case 33: return Zwei(K, 3, 4, 5);
    case 34: return Zwei(K, 3, 5, 6);
    case 41: return Eins(Kl, 2, 3);
    case 42: return Zwei(Kl, 2, 3, 4);
    case 43: return Zwei(Kl, 2, 4, 5);
    case 44: return Zwei(Kl, 2, 5, 6);
    case 51: return Eins(Kl, 3, 3);
    case 52: return Zwei(Kl, 3, 3, 4);
    case 53: return Zwei(Kl, 3, 4, 5);
    case 54: return Zwei(Kl, 3, 5, 6);
    case 61: return {{70, "BaueBetraege(3,2)"}, {100, "BaueBetraege(3,3)"}};
    case 62: return Zwei(B, 3, 3, 4);
    case 63: return {{20, "BaueBetraege(3,3)"}, {50, "BaueBetraege(3,4)"}, {100, "BaueBetraege(3,5)"}};
    case 64: return Zwei(B, 3, 5, 6);
    case 71: return Zwei(K, 4, 2, 3);
    case 72: return Zwei(K, 4, 4, 5);
    case 73: return Vier(B, 4);
    case 74: return Vier(V, 1);
    case 81: return Eins(K, 5, 2);
    case 82: return Eins(K, 5, 3);
    case 83: return Zwei(B, 5, 2, 3);
    case 84: return Vier(V, 2);
    case 91: return Varianten(1, {12, 25, 37, 50, 62, 75, 87, 100});
    case 92: return Varianten(9, {9, 18, 27, 36, 45, 54, 63, 72, 81, 90, 100});
    case 93: return Varianten(20, {9, 18, 27, 36, 45, 54, 63, 72, 81, 90, 100});
    case 94: return Varianten(31, {11, 22, 33, 44, 55, 66, 77, 88, 100});
    default: return {};
    }
}

// The result as the pupil types it in the current mode of the integer drill.
QString GanzAntwort(const QString& ergebnis, bool vereinfacht)
{
    if (vereinfacht)
        return ShowMinus(ergebnis);
    return ergebnis == QLatin1String("0") ? ergebnis : WithSign(ergebnis);
}

} // namespace

class TestSweepGanz : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ZiehungenZaehlen(); }

    // The evaluator the sweeps rely on, on texts whose values are known.
    void evaluator()
    {
        const QString m = QString(QChar(0x2013));
        const QString d = QString(QChar(0x00B7));
        struct Fall {
            QString text;
            TermSchrift schrift;
            QString wert; // empty: refused
        };
        const Fall faelle[] = {
            {"(+3)-(-5)*(+2)", TermSchrift::Intern, "13"},
            {"abs((+3)-(+9))/(-2)", TermSchrift::Intern, "-3"},
            {"[(+3) " + m + " (" + m + "5)] " + d + " (+2) =", TermSchrift::GanzAnzeige, "16"},
            {"|" + m + "4 + 1| " + d + " 2", TermSchrift::GanzAnzeige, "6"},
            {"| + 3 + 5| " + m + " 2", TermSchrift::GanzAnzeige, "6"},
            {"|2| " + d + " |" + m + "3| : |6|", TermSchrift::GanzAnzeige, "1"},
            {"3 " + d + " " + m + "5", TermSchrift::GanzAnzeige, ""},  // sign after an operator
            {"12 : 5", TermSchrift::GanzAnzeige, ""},                  // not exact
            {"(+3) - (+2)", TermSchrift::GanzAnzeige, ""},            // a hyphen is never shown
            {"[(+3) + (+2)", TermSchrift::GanzAnzeige, ""},
            {"3/4 : 1/2 =", TermSchrift::Bruch, "3/2"},
            {"(+3/4) + (" + m + "1/2) =", TermSchrift::Bruch, "1/4"},
            {"(" + m + "2/3) : [(+4/9) " + d + " (" + m + "1/2)]", TermSchrift::Bruch, "3"},
            {"(+2,4) + (" + m + "1,3)", TermSchrift::Bruch, "11/10"},
            {"1/0", TermSchrift::Bruch, ""},
        };
        for (const Fall& f : faelle) {
            const ExaktErgebnis e = BerechneExakt(f.text, f.schrift, f.schrift == TermSchrift::GanzAnzeige);
            QVERIFY2(e.ok == !f.wert.isEmpty(), qPrintable(f.text + ": " + e.fehler));
            if (e.ok)
                QCOMPARE(BruchText(e.wert), f.wert);
        }
        ExaktBruch b;
        QVERIFY(LeseErgebnis("-0,50", b) && b == (ExaktBruch{-1, 2}));
        QVERIFY(LeseErgebnis("-5/12", b) && b == (ExaktBruch{-5, 12}));
        QVERIFY(!LeseErgebnis("3+4", b) && !LeseErgebnis("", b));
    }

    void ganz()
    {
        const int n = Bauten();
        Befund befund;
        for (int art = 1; art <= 9; ++art) {
            for (int stufe = 1; stufe <= 4; ++stufe) {
                const QString eintrag = QStringLiteral("Ganz %1/%2").arg(art).arg(stufe);
                std::map<QString, int> baender;
                quint64 meisteZiehungen = 0;
                quint64 alleZiehungen = 0;
                for (bool vereinfacht : {false, true}) {
                    RandSeed(quint64(7000 + art * 10 + stufe + (vereinfacht ? 500 : 0)));
                    ArtGanz = art;
                    Vereinfacht = vereinfacht;
                    for (int k = 0; k < n; ++k) {
                        ziehungen = 0;
                        const GanzAufgabe a = ZieheAufgabeGanz(art, stufe, vereinfacht);
                        meisteZiehungen = qMax(meisteZiehungen, ziehungen);
                        alleZiehungen += ziehungen;
                        ++baender[a.Quelle];
                        const QString zeige = AnzeigeTextGanz(a.Term);
                        const QString fall = a.Quelle + " " + a.Term + " -> " + zeige + " [" + a.Ergebnis + "]";
                        if (a.Term.isEmpty() || a.Term.size() > ShortLen80 || a.Ergebnis.size() > ShortLen20)
                            befund.Melde(eintrag, "Länge: " + fall);
                        // The display is cut at 80; a cut one has lost its " =".
                        if (!zeige.endsWith(QLatin1String(" =")))
                            befund.Melde(eintrag, "Anzeige abgeschnitten: " + fall);
                        ExaktBruch erwartet;
                        const ExaktErgebnis gesehen = BerechneExakt(zeige, TermSchrift::GanzAnzeige, true);
                        if (!LeseErgebnis(a.Ergebnis, erwartet) || erwartet.n != 1)
                            befund.Melde(eintrag, "Ergebnis keine ganze Zahl: " + fall);
                        else if (!gesehen.ok)
                            befund.Melde(eintrag, gesehen.fehler + ": " + fall);
                        else if (!(gesehen.wert == erwartet))
                            befund.Melde(eintrag, "Wert " + BruchText(gesehen.wert) + ": " + fall);
                        if (GanzAntwort(a.Ergebnis, vereinfacht).size() > Antwortfeld)
                            befund.Melde(eintrag, "passt nicht ins Antwortfeld: " + fall);
                    }
                }
                if (meisteZiehungen > MaxZiehungen)
                    befund.Melde(eintrag, QStringLiteral("%1 Ziehungen für eine Aufgabe").arg(meisteZiehungen));
                qInfo("%s: %.1f draws per exercise on average, at most %llu", qPrintable(eintrag),
                      double(alleZiehungen) / (2 * n), meisteZiehungen);
                for (const QString& a : Anteile(GanzBaender(art, stufe), baender, 2 * n))
                    befund.Melde(eintrag, a);
            }
        }
        QVERIFY2(befund.fehler.isEmpty(), qPrintable(befund.fehler.join(u'\n')));
    }

};

QTEST_APPLESS_MAIN(TestSweepGanz)
#include "test_sweep_ganz.moc"
