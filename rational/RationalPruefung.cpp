#include "rational/RationalPruefung.h"

#include "core/NumberHelpers.h"

namespace {

// A result that is zero whatever its sign or decimals ("-0", "+0", "0,00"
// after trimming): the builders may write a decimal zero with a sign, and the
// pupil is asked for a plain 0 in both modes.
bool IstNull(const QString& ergebnis)
{
    QString t = ergebnis;
    if (t.startsWith(u'-') || t.startsWith(u'+') || t.startsWith(EnDash))
        t.remove(0, 1);
    t = TrimLeadingZeros(TrimTrailingZeros(t));
    return t == QLatin1String("0");
}

} // namespace

QString NormalisiereEingabeR(const QString& text)
{
    return Cut(TrimLeadingZeros(TrimTrailingZeros(text)), ShortLen20);
}

QString AnzeigeformR(const QString& ergebnis, bool vereinfacht)
{
    const QString t = TrimTrailingZeros(ergebnis);
    if (IstNull(t))
        return QStringLiteral("0");
    return vereinfacht ? ShowMinus(t) : WithSign(t);
}

UrteilR PruefeEingabeR(const QString& text, const QString& ergebnis, bool vereinfacht)
{
    UrteilR urteil;
    urteil.eingabe = NormalisiereEingabeR(text);
    urteil.erwartet = AnzeigeformR(ergebnis, vereinfacht);
    if (!vereinfacht) {
        const SignCheck check = CheckSignedEntry(urteil.eingabe);
        if (!check.accepted) {
            urteil.formatFehler = check.errorKind;
            return urteil;
        }
    }
    urteil.richtig = urteil.eingabe == urteil.erwartet;
    return urteil;
}

QString FormatMeldungR(int formatFehler)
{
    return formatFehler == 2 ? MeldungZuvieleBruchstriche : MeldungVorzeichenFehlt;
}

Bewertung BewerteEingabeR(const QString& text, const QString& ergebnis, bool vereinfacht, int versuch)
{
    const UrteilR urteil = PruefeEingabeR(text, ergebnis, vereinfacht);
    if (urteil.formatFehler != 0)
        return BewerteFormatfehler(urteil.eingabe, urteil.erwartet, urteil.formatFehler, FormatMeldungR(urteil.formatFehler));
    return BewerteVergleich(urteil.eingabe, urteil.erwartet, versuch, urteil.erwartet);
}
