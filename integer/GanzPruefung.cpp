#include "integer/GanzPruefung.h"

#include "core/NumberHelpers.h"

QString ErgebnisAnzeigeGanz(const QString& ergebnis, bool vereinfacht)
{
    if (vereinfacht)
        return ShowMinus(ergebnis);
    if (ergebnis == QLatin1String("0"))
        return ergebnis;
    return WithSign(ergebnis);
}

Bewertung PruefeEingabeGanz(const QString& text, const QString& ergebnis, bool vereinfacht, int versuch)
{
    const QString eingabe = Cut(TrimLeadingZeros(TrimTrailingZeros(text)), ShortLen20);
    const QString erwartet = Cut(ErgebnisAnzeigeGanz(ergebnis, vereinfacht), ShortLen40);
    if (!vereinfacht) {
        const SignCheck format = CheckSignedEntry(eingabe);
        if (!format.accepted)
            return BewerteFormatfehler(eingabe, erwartet, format.errorKind,
                                       format.errorKind == 2 ? MeldungMehrereRechenzeichen
                                                             : MeldungVorzeichenFehltGanz);
    }
    const QString gezeigt = ergebnis == QLatin1String("0") ? ergebnis : ErgebnisAnzeigeGanz(ergebnis, vereinfacht);
    return BewerteVergleich(eingabe, erwartet, versuch, gezeigt);
}
