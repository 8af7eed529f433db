#include "common/Programmlauf.h"
#include "worksheet/BlattPruefung.h"

#include "worksheet/Arbeitsblatt.h"
#include "worksheet/BlattSatz.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

// minusland-aufgaben with class codes and worksheets, run as a program.

namespace {

Lauf Starte(const QStringList& args)
{
    return StarteProgramm(QStringLiteral(AUFGABEN_PROGRAMM), args, 60000);
}

QByteArray Lies(const QString& datei)
{
    QFile f(datei);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestBlattTool : public QObject {
    Q_OBJECT
private slots:
    void jsonLinesAreTheSheetsExercises()
    {
        for (const auto& [bereich, name, art, stufe] :
             {std::tuple{Zahlenbereich::Ganz, "ganz", 5, 4}, std::tuple{Zahlenbereich::Rational, "rational", 5, 2}}) {
            const Lauf lauf = Starte({QString::fromLatin1(name), QString::number(art), QString::number(stufe), "--code",
                                      "k7mp35", "--gruppe", "b", "--vereinfacht"});
            QCOMPARE(lauf.code, 0);
            const QList<QByteArray> zeilen = lauf.out.trimmed().split('\n');
            QCOMPARE(zeilen.size(), 15);
            BlattAuswahl a;
            a.bereich = bereich;
            a.art = art;
            a.stufe = stufe;
            a.vereinfacht = true;
            a.code = QStringLiteral("K7MP35");
            const QList<BlattAufgabe> blatt = ZieheBlattAufgaben(a, 1, 15);
            for (int k = 0; k < 15; ++k) {
                const QJsonObject o = QJsonDocument::fromJson(zeilen[k]).object();
                QCOMPARE(o.value("term").toString(), blatt[k].term);
                QCOMPARE(o.value("ergebnis").toString(), blatt[k].ergebnis);
                QCOMPARE(o.value("quelle").toString(), blatt[k].quelle);
            }
        }
    }

    void sheetFromTheCommandLineIsTheDialogsSheet()
    {
        QTemporaryDir dir;
        const QString datei = dir.filePath(QStringLiteral("b.pdf"));
        const Lauf lauf = Starte({"blatt", "ganz", "9", "3", "--anzahl", "12", "--code", "MATHE2", "--gruppen", "2",
                                  "--pdf", datei});
        QCOMPARE(lauf.code, 0);
        QVERIFY(lauf.out.contains("MATHE2"));
        BlattAuswahl a;
        a.art = 9;
        a.stufe = 3;
        a.anzahl = 12;
        a.gruppen = 2;
        a.code = QStringLiteral("MATHE2");
        const QList<QImage> vomProgramm = PdfSeiten(Lies(datei), 60);
        const QList<QImage> ausDerBibliothek = PdfSeiten(ArbeitsblattPdf(a), 60);
        QCOMPARE(vomProgramm.size(), 4);
        QCOMPARE(vomProgramm.size(), ausDerBibliothek.size());
        for (int k = 0; k < vomProgramm.size(); ++k)
            QVERIFY(vomProgramm[k] == ausDerBibliothek[k]);
    }

    void badArgumentsAndUnwritableFiles_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("no range") << QStringList{"blatt", "7", "1", "--pdf", "x.pdf"};
        QTest::newRow("no file") << QStringList{"blatt", "ganz", "7", "1"};
        QTest::newRow("kind") << QStringList{"blatt", "rational", "6", "1", "--pdf", "x.pdf"};
        QTest::newRow("level") << QStringList{"blatt", "rational", "3", "4", "--pdf", "x.pdf"};
        QTest::newRow("count") << QStringList{"blatt", "ganz", "1", "1", "--anzahl", "31", "--pdf", "x.pdf"};
        QTest::newRow("groups") << QStringList{"blatt", "ganz", "1", "1", "--gruppen", "5", "--pdf", "x.pdf"};
        QTest::newRow("typo in code") << QStringList{"blatt", "ganz", "1", "1", "--code", "MATHE3", "--pdf", "x.pdf"};
        QTest::newRow("seed on a sheet") << QStringList{"blatt", "ganz", "1", "1", "--seed", "4", "--pdf", "x.pdf"};
        QTest::newRow("seed and code") << QStringList{"ganz", "1", "1", "--seed", "4", "--code", "MATHE2"};
        QTest::newRow("group letter") << QStringList{"ganz", "1", "1", "--code", "MATHE2", "--gruppe", "E"};
    }

    void badArgumentsAndUnwritableFiles()
    {
        QFETCH(QStringList, args);
        QTemporaryDir dir;
        QProcess p;
        p.setWorkingDirectory(dir.path());
        p.start(QStringLiteral(AUFGABEN_PROGRAMM), args);
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), 2);
        const QByteArray err = p.readAllStandardError();
        QCOMPARE(err.count('\n'), 1);
        QVERIFY(QDir(dir.path()).isEmpty());
    }

    void unwritableFileKeepsTheOldOne()
    {
        QTemporaryDir dir;
        const QString fehlt = dir.filePath(QStringLiteral("fehlt/b.pdf"));
        Lauf lauf = Starte({"blatt", "rational", "1", "1", "--pdf", fehlt});
        QCOMPARE(lauf.code, 1);
        QVERIFY(!lauf.err.isEmpty());
        QVERIFY(!QFile::exists(fehlt));

        // A folder where the file should go: refused, nothing left behind.
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("ordner.pdf")));
        lauf = Starte({"blatt", "ganz", "1", "1", "--pdf", dir.filePath(QStringLiteral("ordner.pdf"))});
        QCOMPARE(lauf.code, 1);
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("ordner.pdf"))).isDir());
        QVERIFY(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());

        // A read-only folder: the old sheet stays untouched.
        const QString datei = dir.filePath(QStringLiteral("b.pdf"));
        QCOMPARE(Starte({"blatt", "rational", "1", "1", "--code", "MATHE2", "--pdf", datei}).code, 0);
        const QByteArray alt = Lies(datei);
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        lauf = Starte({"blatt", "rational", "1", "2", "--code", "MATHE2", "--pdf", datei});
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        if (QFileInfo(dir.path()).isWritable() && lauf.code == 0)
            QSKIP("running with rights that ignore folder permissions");
        QCOMPARE(lauf.code, 1);
        QCOMPARE(Lies(datei), alt);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("b.pdf")});
    }
};

QTEST_MAIN(TestBlattTool)
#include "test_blatt_tool.moc"
