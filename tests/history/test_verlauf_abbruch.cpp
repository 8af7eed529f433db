// A program killed in the middle of a drill keeps every judgement whose
// writing it had confirmed before the kill (a judgement is handed to the
// writing thread and committed within about a millisecond).
#include "history/VerlaufSpeicher.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <set>

class TestVerlaufAbbruch : public QObject {
    Q_OBJECT
private slots:
    void sigkillMittenInDerUebung_data()
    {
        QTest::addColumn<int>("nach");
        QTest::newRow("erstes Urteil") << 1;
        QTest::newRow("zweite Seite") << 8;
        QTest::newRow("viele") << 120;
    }

    void sigkillMittenInDerUebung()
    {
        QFETCH(int, nach);
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath(QStringLiteral("verlauf.sqlite"));
        QProcess kind;
        kind.setProgram(QCoreApplication::applicationDirPath() + QStringLiteral("/verlauf_kind"));
        kind.setArguments({pfad});
        kind.start();
        QVERIFY(kind.waitForStarted());

        int gemeldet = 0; // judgements 0 … gemeldet - 1 are confirmed
        QElapsedTimer uhr;
        uhr.start();
        while (gemeldet < nach && uhr.elapsed() < 60000) {
            kind.waitForReadyRead(100);
            while (kind.canReadLine())
                gemeldet = kind.readLine().trimmed().toInt();
        }
        QVERIFY(gemeldet >= nach);
        kind.kill(); // SIGKILL: no destructor, no close, no checkpoint
        QVERIFY(kind.waitForFinished());
        // Lines written before the kill that were not read yet.
        while (kind.canReadLine())
            gemeldet = kind.readLine().trimmed().toInt();

        VerlaufSpeicher s;
        QCOMPARE(s.Oeffnen(pfad), VerlaufZustand::Offen);
        const auto uebungen = s.Uebungen(false);
        QCOMPARE(uebungen.size(), size_t(1));
        QVERIFY(!uebungen.front().Fertig());
        std::set<int> gespeichert;
        for (const Urteil& u : s.Urteile(uebungen.front().id))
            gespeichert.insert(u.eingabe.toInt());
        for (int n = 0; n < gemeldet; ++n)
            QVERIFY2(gespeichert.count(n), qPrintable(QStringLiteral("Urteil %1 fehlt").arg(n)));
    }
};

QTEST_GUILESS_MAIN(TestVerlaufAbbruch)
#include "test_verlauf_abbruch.moc"
