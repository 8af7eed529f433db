#include "integer/GanzSpeicher.h"
#include "rational/RationalSpeicher.h"
#include "worksheet/Arbeitsblatt.h"
#include "worksheet/Klassencode.h"
#include "worksheet/KlassencodeQuelle.h"

#include <QSet>
#include <QtTest>

// Class codes, the sequences they fix and the drill's page source: logic only.

namespace {

BlattAuswahl Auswahl(Zahlenbereich bereich, int art, int stufe, const QString& code, bool vereinfacht = false)
{
    BlattAuswahl a;
    a.bereich = bereich;
    a.art = art;
    a.stufe = stufe;
    a.code = code;
    a.vereinfacht = vereinfacht;
    return a;
}

QStringList Terme(const QList<BlattAufgabe>& aufgaben)
{
    QStringList t;
    for (const BlattAufgabe& b : aufgaben)
        t << b.term;
    return t;
}

} // namespace

class TestKlassencode : public QObject {
    Q_OBJECT
private slots:
    void fnvIsTheStandardHash()
    {
        // Published FNV-1a 64 test vectors: the seed must not depend on the
        // compiler's or library's hashing.
        QCOMPARE(Fnv1a64(QString()), 0xcbf29ce484222325ull);
        QCOMPARE(Fnv1a64(QStringLiteral("a")), 0xaf63dc4c8601ec8cull);
        QCOMPARE(Fnv1a64(QStringLiteral("foobar")), 0x85944171f73967e8ull);
        // UTF-8, not UTF-16: "ä" is two bytes.
        QVERIFY(Fnv1a64(QStringLiteral("ä")) != Fnv1a64(QStringLiteral("a")));
    }

    void freshCodesAreValidAndReadable()
    {
        QSet<QString> gesehen;
        for (int k = 0; k < 200; ++k) {
            const QString code = NeuerKlassencode();
            QCOMPARE(code.size(), KlassencodeLaenge);
            QVERIFY2(IstKlassencode(code), qPrintable(code));
            for (const QChar c : QStringLiteral("0O1I"))
                QVERIFY(!code.contains(c));
            gesehen << code;
        }
        QVERIFY(gesehen.size() > 190);
    }

    void everySingleTypoAndSwapIsRefused()
    {
        const QString code = QStringLiteral("K7MP35");
        QVERIFY(IstKlassencode(code));
        for (int stelle = 0; stelle < KlassencodeLaenge; ++stelle) {
            for (const QChar c : KlassencodeAlphabet) {
                if (c == code.at(stelle))
                    continue;
                QString falsch = code;
                falsch[stelle] = c;
                QVERIFY2(!IstKlassencode(falsch), qPrintable(falsch));
            }
        }
        for (int stelle = 0; stelle + 1 < KlassencodeLaenge; ++stelle) {
            QString getauscht = code;
            std::swap(getauscht[stelle], getauscht[stelle + 1]);
            if (getauscht != code)
                QVERIFY2(!IstKlassencode(getauscht), qPrintable(getauscht));
        }
    }

    void writingVariantsAreTheSameCode()
    {
        QVERIFY(IstKlassencode(QStringLiteral("k7mp35")));
        QVERIFY(IstKlassencode(QStringLiteral(" K7M-P35 ")));
        QCOMPARE(NormalisiereKlassencode(QStringLiteral("k7m p3-5")), QStringLiteral("K7MP35"));
        QVERIFY(KlassencodeFehler(QStringLiteral("K7MP3")).contains(QStringLiteral("6 Zeichen")));
        QVERIFY(KlassencodeFehler(QStringLiteral("K7MP3O")).contains(QStringLiteral("„O“")));
        QVERIFY(KlassencodeFehler(QStringLiteral("K7MP3!")).contains(QStringLiteral("„!“")));
        QVERIFY(!KlassencodeFehler(QString()).isEmpty());
    }

    void sameCodeSameExercisesOtherCodeOthers()
    {
        const BlattAuswahl a = Auswahl(Zahlenbereich::Ganz, 9, 4, QStringLiteral("K7MP35"));
        const QStringList eins = Terme(ZieheBlattAufgaben(a, 0, 15));
        QCOMPARE(eins.size(), 15);
        QCOMPARE(Terme(ZieheBlattAufgaben(a, 0, 15)), eins);
        const BlattAuswahl b = Auswahl(Zahlenbereich::Ganz, 9, 4, NeuerKlassencode());
        QVERIFY(Terme(ZieheBlattAufgaben(b, 0, 15)) != eins);
        // Mode, group, kind and level each give their own sequence.
        QVERIFY(BlattSeed(a, 1) != BlattSeed(a, 0));
        BlattAuswahl c = a;
        c.vereinfacht = true;
        QVERIFY(BlattSeed(c, 0) != BlattSeed(a, 0));
        c = a;
        c.stufe = 3;
        QVERIFY(BlattSeed(c, 0) != BlattSeed(a, 0));
        // The sheet's length and group count do not change its exercises.
        c = a;
        c.anzahl = 30;
        c.gruppen = 3;
        QCOMPARE(BlattSeed(c, 0), BlattSeed(a, 0));
        QCOMPARE(Terme(ZieheBlattAufgaben(a, 0, 5)), eins.mid(0, 5));
    }

    // A pinned draw: a change of the generator, its seeding or the hash
    // would silently hand pupils other exercises than their printed sheet.
    void sequenceIsPinned()
    {
        const BlattAuswahl a = Auswahl(Zahlenbereich::Ganz, 1, 1, QStringLiteral("K7MP35"));
        QCOMPARE(BlattSeed(a, 0), Fnv1a64(QStringLiteral("minusland|ganz|1|1|vorzeichen|A|K7MP35")));
        const QList<BlattAufgabe> aufgaben = ZieheBlattAufgaben(a, 0, 3);
        QCOMPARE(aufgaben[0].term, QStringLiteral("(-6)+(-1)"));
    }

    void groupsShareNoExercise()
    {
        for (const auto bereich : {Zahlenbereich::Ganz, Zahlenbereich::Rational}) {
            for (int art = 1; art <= BlattArten(bereich); ++art) {
                for (int stufe = 1; stufe <= BlattStufen(bereich, art); ++stufe) {
                    BlattAuswahl a = Auswahl(bereich, art, stufe, QStringLiteral("K7MP35"));
                    a.gruppen = 4;
                    QSet<QString> gesehen;
                    for (int g = 0; g < 4; ++g) {
                        const QStringList t = Terme(ZieheBlattAufgaben(a, g, 30));
                        for (const QString& term : t)
                            QVERIFY2(!gesehen.contains(term), qPrintable(QStringLiteral("art %1 stufe %2 Gruppe %3: %4")
                                                                             .arg(art).arg(stufe).arg(g).arg(term)));
                        for (const QString& term : t)
                            gesehen << term;
                        // A shorter sheet of the group is the start of the longer.
                        QCOMPARE(Terme(ZieheBlattAufgaben(a, g, 15)), t.mid(0, 15));
                    }
                }
            }
        }
    }

    void drawingLeavesTheDrillAlone()
    {
        Vereinfacht = true;
        RationalVereinfacht = false;
        RationalAufgaben[1].Term = QStringLiteral("unberührt");
        ZieheBlattAufgaben(Auswahl(Zahlenbereich::Rational, 5, 2, QStringLiteral("K7MP35"), true), 0, 4);
        ZieheBlattAufgaben(Auswahl(Zahlenbereich::Ganz, 4, 2, QStringLiteral("K7MP35"), false), 0, 4);
        QCOMPARE(Vereinfacht, true);
        QCOMPARE(RationalVereinfacht, false);
        QCOMPARE(RationalAufgaben[1].Term, QStringLiteral("unberührt"));
        Vereinfacht = false;
    }

    void sourceFillsTheSheetsExercisesPageByPage()
    {
        const BlattAuswahl a = Auswahl(Zahlenbereich::Ganz, 5, 3, QStringLiteral("K7MP35"));
        KlassencodeQuelle quelle(a, 1);
        QCOMPARE(quelle.Seiten(), 3);
        QCOMPARE(quelle.Klassencode(), QStringLiteral("K7MP35"));
        QVERIFY(quelle.Titel().contains(QStringLiteral("Gruppe B")));
        for (const bool vereinfacht : {false, true}) {
            BlattAuswahl m = a;
            m.vereinfacht = vereinfacht;
            const QList<BlattAufgabe> blatt = ZieheBlattAufgaben(m, 1, 15);
            for (int seite = 1; seite <= 3; ++seite) {
                for (int zeile = 1; zeile <= 5; ++zeile) {
                    AufgabenGanz[zeile] = TAufgabeGanz{};
                    const AufgabenHerkunft h = quelle.Fuelle(seite, zeile, vereinfacht);
                    const BlattAufgabe& b = blatt[(seite - 1) * 5 + zeile - 1];
                    QCOMPARE(AufgabenGanz[zeile].Term, b.term);
                    QCOMPARE(AufgabenGanz[zeile].Ergebnis, b.ergebnis);
                    QCOMPARE(h.term, b.term);
                    QCOMPARE(h.art, 5);
                    QCOMPARE(h.stufe, 3);
                }
            }
        }
        // Kind 5 keeps doubled parentheses in the simplified mode and writes
        // square brackets with signs: the two modes are two sequences.
        QVERIFY(quelle.Aufgabe(1, 1, false).term.contains(u'['));
        QVERIFY(!quelle.Aufgabe(1, 1, true).term.contains(u'['));
    }

    void rationalSourceWritesTheShapeFlags()
    {
        const BlattAuswahl a = Auswahl(Zahlenbereich::Rational, 5, 1, QStringLiteral("K7MP35"));
        KlassencodeQuelle quelle(a, 0);
        const QList<BlattAufgabe> blatt = ZieheBlattAufgaben(a, 0, 15);
        for (int zeile = 1; zeile <= 5; ++zeile) {
            RationalAufgaben[zeile] = TRationalAufgabe{};
            quelle.Fuelle(3, zeile, false);
            const BlattAufgabe& b = blatt[10 + zeile - 1];
            QCOMPARE(RationalAufgaben[zeile].Term, b.term);
            QCOMPARE(RationalAufgaben[zeile].Ergebnis, b.ergebnis);
            QCOMPARE(RationalAufgaben[zeile].Form, b.form);
            QVERIFY(RationalAufgaben[zeile].Form >= 1);
            QCOMPARE(RationalAufgaben[zeile].IstBruch, b.istBruch);
        }
        // Out of range asks leave the store alone.
        RationalAufgaben[1].Term = QStringLiteral("x");
        QCOMPARE(quelle.Fuelle(1, 0, false).art, 0);
        QCOMPARE(RationalAufgaben[1].Term, QStringLiteral("x"));
    }

    void selectionIsChecked()
    {
        BlattAuswahl a = Auswahl(Zahlenbereich::Rational, 3, 4, QStringLiteral("K7MP35"));
        QVERIFY(!BlattAuswahlFehler(a).isEmpty()); // multiplication has three levels
        a.stufe = 3;
        QVERIFY(BlattAuswahlFehler(a).isEmpty());
        a.anzahl = 31;
        QVERIFY(!BlattAuswahlFehler(a).isEmpty());
        a.anzahl = 5;
        a.gruppen = 5;
        QVERIFY(!BlattAuswahlFehler(a).isEmpty());
        a.gruppen = 2;
        a.code = QStringLiteral("K7MP36");
        QVERIFY(!BlattAuswahlFehler(a).isEmpty());
    }

    void titlesAndFoot()
    {
        BlattAuswahl a = Auswahl(Zahlenbereich::Ganz, 8, 2, QStringLiteral("K7MP35"));
        QCOMPARE(BlattTitel(a), QStringLiteral("Division ganzer Zahlen mit Klammern – Stufe 2"));
        a.gruppen = 2;
        QCOMPARE(BlattFuss(a, 1, 1, 2), QStringLiteral("Ganze Zahlen · Art 8 · Stufe 2 · mit Vorzeichen · "
                                                        "Klassencode K7MP35 · Gruppe B · Seite 1 / 2"));
        a.bereich = Zahlenbereich::Rational;
        a.art = 3;
        QCOMPARE(BlattTitel(a), QStringLiteral("Rationale Zahlen: Multiplikation – Stufe 2"));
    }
};

QTEST_GUILESS_MAIN(TestKlassencode)
#include "test_klassencode.moc"
