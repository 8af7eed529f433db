#include "core/Random.h"
#include "rational/RationalKatalog.h"
#include "rational/RationalSpeicher.h"
#include "rational/RationalTermBauer.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

// The rational subcommand of the exercise printer, run as its own program.

class TestRationalAufgabenTool : public QObject {
    Q_OBJECT

    static int Starte(const QStringList& args, QByteArray& out, QByteArray& err)
    {
        QProcess p;
        p.start(QStringLiteral(AUFGABEN_PROGRAMM), QStringList{"rational"} + args);
        if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit)
            return -1;
        out = p.readAllStandardOutput();
        err = p.readAllStandardError();
        return p.exitCode();
    }

private slots:
    // Each line is the catalogue's draw for that seed, with all six keys.
    void linesAreTheCataloguesDraws()
    {
        for (int art = 1; art <= 5; ++art) {
            for (bool vereinfacht : {false, true}) {
                QByteArray out, err;
                QStringList args{QString::number(art), "1", "--anzahl", "6", "--seed", "42"};
                if (vereinfacht)
                    args << "--vereinfacht";
                QCOMPARE(Starte(args, out, err), 0);
                QVERIFY(err.isEmpty());
                const QList<QByteArray> zeilen = out.trimmed().split('\n');
                QCOMPARE(zeilen.size(), 6);

                RandSeed(42);
                RationalVereinfacht = vereinfacht;
                for (const QByteArray& zeile : zeilen) {
                    RationalAufgaben[1] = TRationalAufgabe{};
                    const int variante = RationalEintrag(art, 1, 1);
                    const TRationalAufgabe& a = RationalAufgaben[1];
                    const QJsonObject o = QJsonDocument::fromJson(zeile).object();
                    QCOMPARE(o.keys().size(), 6);
                    QCOMPARE(o["quelle"].toString(), BauerName(art) + "(" + QString::number(variante) + ")");
                    QCOMPARE(o["term"].toString(), a.Term);
                    QCOMPARE(o["ergebnis"].toString(), a.Ergebnis);
                    QCOMPARE(o["istBruch"].toBool(), a.IstBruch);
                    QVERIFY(o["istBruch"].isBool() && o["sonderdarstellung"].isBool());
                    QCOMPARE(o["sonderdarstellung"].toBool(), a.Sonderdarstellung);
                    QCOMPARE(o["form"].toInt(-1), art == 5 ? a.Form : 0);
                }
                RationalVereinfacht = false;
            }
        }
    }

    void badArguments_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("no level") << QStringList{"1"};
        QTest::newRow("kind 6") << QStringList{"6", "1"};
        QTest::newRow("multiplication level 4") << QStringList{"3", "4"};
        QTest::newRow("level 0") << QStringList{"1", "0"};
        QTest::newRow("count") << QStringList{"1", "1", "--anzahl", "viele"};
    }

    void badArguments()
    {
        QFETCH(QStringList, args);
        QByteArray out, err;
        QCOMPARE(Starte(args, out, err), 2);
        QVERIFY(out.isEmpty());
        QCOMPARE(err.trimmed().count('\n'), 0);
        QVERIFY(!err.trimmed().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestRationalAufgabenTool)
#include "test_rational_aufgaben_tool.moc"
