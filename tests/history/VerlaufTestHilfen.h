#pragma once
// Synthetic judgements and drill ends for the history tests.
#include "drill/Urteil.h"

#include <QDateTime>
#include <QFile>
#include <QProcess>

#include <unistd.h>

inline AufgabenHerkunft GanzAufgabe(int art, int stufe, const QString& term, const QString& ergebnis)
{
    AufgabenHerkunft a;
    a.bereich = Zahlenbereich::Ganz;
    a.art = art;
    a.stufe = stufe;
    a.term = term;
    a.ergebnis = ergebnis;
    return a;
}

inline AufgabenHerkunft RationalAufgabe(int art, int stufe, const QString& term, const QString& ergebnis)
{
    AufgabenHerkunft a = GanzAufgabe(art, stufe, term, ergebnis);
    a.bereich = Zahlenbereich::Rational;
    a.istBruch = true;
    return a;
}

inline Urteil EinUrteil(const AufgabenHerkunft& a, Verdikt verdikt, const QDateTime& zeit, int seite = 1,
                        int zeile = 1)
{
    Urteil u;
    u.aufgabe = a;
    u.seite = seite;
    u.zeile = zeile;
    u.termAnzeige = a.term + QStringLiteral(" =");
    u.eingabe = QStringLiteral("+1");
    u.erwartet = a.ergebnis;
    u.verdikt = verdikt;
    u.punkte = verdikt == Verdikt::RichtigErster ? 1 : verdikt == Verdikt::RichtigZweiter ? 0.5 : 0;
    u.zeit = zeit;
    return u;
}

inline DrillAbschluss EinAbschluss(Zahlenbereich bereich, int art, int stufe, double punkte, int versuche,
                                   int prozent, const QDateTime& zeit)
{
    DrillAbschluss a;
    a.bereich = bereich;
    a.art = art;
    a.stufe = stufe;
    a.punkteGesamt = punkte;
    a.versucheGesamt = versuche;
    a.prozent = prozent;
    a.zeit = zeit;
    return a;
}

// A fixed moment, so dates in the tests never depend on today.
inline QDateTime Tag(int tag, int stunde = 10, int minute = 0)
{
    return QDateTime(QDate(2026, 11, 1).addDays(tag - 1), QTime(stunde, minute));
}

// Makes a folder read-only or writable again. Root writes through file
// permissions, so there the folder is made immutable instead. False when
// neither works here.
inline bool Schreibschutz(const QString& ordner, bool an)
{
    if (geteuid() != 0)
        return QFile::setPermissions(ordner, an ? QFile::ReadOwner | QFile::ExeOwner
                                                : QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return QProcess::execute(QStringLiteral("chattr"), {an ? QStringLiteral("+i") : QStringLiteral("-i"), ordner}) == 0;
}
