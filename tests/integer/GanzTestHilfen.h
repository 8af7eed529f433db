#pragma once
// Driving the integer drill screen the way a pupil does: type into the box
// that has the focus and leave it with Enter.
#include "common/Tippen.h"
#include "integer/GanzSpeicher.h"
#include "integer/GanzUebungU.h"

#include <QtTest>

// What the pupil types for the stored result of line i ("-" is typed as the
// hyphen; the box turns it into the en dash).
inline QString RichtigeEingabe(int i)
{
    const QString e = AufgabenGanz[i].Ergebnis;
    if (Vereinfacht || e == QLatin1String("0") || e.startsWith(u'-'))
        return e;
    return u'+' + e;
}

// Types text into line zeile, which must hold the focus, and presses Enter.
inline void Tippe(TfrmGanzUebung* frm, int zeile, const QString& text)
{
    QTRY_VERIFY2(frm->edt[zeile]->hasFocus(),
                 qPrintable(QStringLiteral("Fokus nicht in Zeile %1").arg(zeile)));
    TippeUndEnter(frm->edt[zeile], text);
}

// Makes the drill the active window, as the window system does when it opens.
inline void Aktiviere(QWidget* frm)
{
    QApplication::setActiveWindow(frm);
    QVERIFY(QTest::qWaitForWindowActive(frm));
}

// Saves a screenshot to $MINUSLAND_FOTOS/<name>.png when that folder is set.
inline void Foto(QWidget* w, const QString& name)
{
    const QString ordner = qEnvironmentVariable("MINUSLAND_FOTOS");
    if (ordner.isEmpty())
        return;
    QCoreApplication::processEvents();
    w->grab().save(ordner + u'/' + name + QStringLiteral(".png"));
}
