#include "drill/Bewertung.h"

Bewertung BewerteVergleich(const QString& eingabe, const QString& erwartet, int versuch, const QString& gezeigt)
{
    Bewertung b;
    b.eingabe = eingabe;
    b.erwartet = erwartet;
    const bool zweiter = versuch >= 2;
    if (eingabe == erwartet) {
        b.verdikt = zweiter ? Verdikt::RichtigZweiter : Verdikt::RichtigErster;
        b.punkte = zweiter ? 0.5 : 1.0;
        b.text = zweiter ? QStringLiteral("Beim zweiten Versuch ist deine Eingabe richtig!")
                         : QStringLiteral("Bravo, deine Eingabe ist richtig!");
    } else if (!zweiter) {
        b.verdikt = Verdikt::FalschErster;
        b.text = QStringLiteral("Deine Eingabe ist leider falsch!\nÜberprüfe deine Eingabe und versuche es noch "
                                "einmal.");
    } else {
        b.verdikt = Verdikt::FalschZweiter;
        b.text = QStringLiteral("Deine Eingabe ist leider wieder falsch!\nDas Ergebnis lautet ") + gezeigt
            + QStringLiteral("!\nVergleiche das Ergebnis mit deiner Eingabe und überlege, warum du den Fehler "
                             "begangen hast!");
    }
    return b;
}

Bewertung BewerteFormatfehler(const QString& eingabe, const QString& erwartet, int fehler, const QString& meldung)
{
    Bewertung b;
    b.eingabe = eingabe;
    b.erwartet = erwartet;
    b.verdikt = fehler == 2 ? Verdikt::Formatfehler2 : Verdikt::Formatfehler1;
    b.text = meldung;
    return b;
}
