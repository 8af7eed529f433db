#include "history/FehlerQuelle.h"

#include "integer/GanzKatalog.h"
#include "integer/GanzSpeicher.h"
#include "integer/GanzTermBauer.h"
#include "rational/RationalKatalog.h"
#include "rational/RationalQuelle.h"
#include "rational/RationalSpeicher.h"

FehlerQuelle::FehlerQuelle(FehlerPlan plan)
    : plan_(std::move(plan))
{
}

int FehlerQuelle::Seiten() const
{
    return (int(plan_.aufgaben.size()) + 4) / 5;
}

QString FehlerQuelle::Titel() const
{
    switch (plan_.gruppe) {
    case Uebungsgruppe::Ganz: return QStringLiteral("Fehler üben: ganze Zahlen");
    case Uebungsgruppe::RationalAddSub: return QStringLiteral("Fehler üben: Addition und Subtraktion rationaler Zahlen");
    case Uebungsgruppe::RationalMultDiv:
        return QStringLiteral("Fehler üben: Multiplikation und Division rationaler Zahlen");
    case Uebungsgruppe::RationalGem: return QStringLiteral("Fehler üben: alle Grundrechnungsarten rationaler Zahlen");
    }
    return {};
}

int FehlerQuelle::Art() const
{
    return plan_.aufgaben.empty() ? 0 : plan_.aufgaben.front().aufgabe.art;
}

int FehlerQuelle::Stufe() const
{
    return plan_.aufgaben.empty() ? 0 : plan_.aufgaben.front().aufgabe.stufe;
}

QString GanzTermFuerModus(const QString& term, bool vereinfacht)
{
    // The catalogue turns doubled parentheses into square brackets in the
    // signed mode only; bars and chains look alike in both modes.
    QString intern = term;
    intern.replace(u'[', u'(').replace(u']', u')');
    return vereinfacht ? intern : EckigeKlammern(intern);
}

QString RationalTermFuerModus(const QString& term, bool vereinfacht)
{
    // A fraction operand is "!" sign "{z/n}!"; one without a sign is positive.
    // The simplified mode shows either way, so only the signed mode changes.
    if (vereinfacht)
        return term;
    QString mitVorzeichen = term;
    return mitVorzeichen.replace(QStringLiteral("!{"), QStringLiteral("!+{"));
}

AufgabenHerkunft FehlerQuelle::Fuelle(int seite, int zeile, bool vereinfacht)
{
    const int index = (seite - 1) * 5 + (zeile - 1);
    if (seite < 1 || zeile < 1 || zeile > 5 || index >= int(plan_.aufgaben.size()))
        return {};
    const GeplanteAufgabe& geplant = plan_.aufgaben[size_t(index)];
    AufgabenHerkunft herkunft = geplant.aufgabe;

    if (herkunft.bereich == Zahlenbereich::Ganz) {
        TAufgabeGanz& ziel = AufgabenGanz[size_t(zeile)];
        if (geplant.ausVerlauf) {
            if (geplant.vereinfacht != vereinfacht)
                herkunft.term = GanzTermFuerModus(herkunft.term, vereinfacht);
        } else {
            const GanzAufgabe neu = ZieheAufgabeGanz(herkunft.art, herkunft.stufe, vereinfacht);
            herkunft.term = neu.Term;
            herkunft.ergebnis = neu.Ergebnis;
        }
        ziel.Term = herkunft.term;
        ziel.Ergebnis = herkunft.ergebnis;
        return herkunft;
    }

    if (geplant.ausVerlauf) {
        if (geplant.vereinfacht != vereinfacht)
            herkunft.term = RationalTermFuerModus(herkunft.term, vereinfacht);
        SchreibeRationalZeile(zeile, herkunft);
        return herkunft;
    }
    RationalVereinfacht = vereinfacht;
    if (RationalEintrag(herkunft.art, herkunft.stufe, zeile) == 0)
        return {};
    LeseRationalZeile(zeile, herkunft);
    if (herkunft.art != 5)
        herkunft.form = 0; // only the mixed drill has shapes
    return herkunft;
}
