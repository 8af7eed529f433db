#include "history/FehlerAuswahl.h"

#include <algorithm>
#include <map>
#include <tuple>

namespace {

using Schluessel = std::tuple<int, int, int, QString, QString>;

// The same exercise in either display mode (integer terms carry square
// brackets in the signed mode only).
Schluessel SchluesselVon(const AufgabenHerkunft& a)
{
    QString term = a.term;
    if (a.bereich == Zahlenbereich::Ganz)
        term.replace(u'[', u'(').replace(u']', u')');
    return {int(a.bereich), a.art, a.stufe, term, a.ergebnis};
}

QDate TagVon(const QDateTime& zeit)
{
    return zeit.toLocalTime().date();
}

} // namespace

Uebungsgruppe GruppeVon(Zahlenbereich bereich, int art)
{
    if (bereich == Zahlenbereich::Ganz)
        return Uebungsgruppe::Ganz;
    if (art <= 2)
        return Uebungsgruppe::RationalAddSub;
    return art <= 4 ? Uebungsgruppe::RationalMultDiv : Uebungsgruppe::RationalGem;
}

int Abstand(int fehler)
{
    return fehler <= 1 ? 1 : fehler == 2 ? 3 : 7;
}

std::vector<FaelligerFehler> FehlerListe(const std::vector<ErsterVersuch>& verlauf)
{
    std::map<Schluessel, FaelligerFehler> liste;
    std::vector<const ErsterVersuch*> geordnet;
    for (const ErsterVersuch& v : verlauf)
        geordnet.push_back(&v);
    std::stable_sort(geordnet.begin(), geordnet.end(),
                     [](const ErsterVersuch* a, const ErsterVersuch* b) { return a->zeit < b->zeit; });
    for (const ErsterVersuch* v : geordnet) {
        const Schluessel schluessel = SchluesselVon(v->aufgabe);
        auto it = liste.find(schluessel);
        if (!v->richtig) {
            if (it == liste.end())
                it = liste.emplace(schluessel, FaelligerFehler{}).first;
            FaelligerFehler& f = it->second;
            // The latest wording is posed again.
            f.aufgabe = v->aufgabe;
            f.vereinfacht = v->vereinfacht;
            ++f.fehler;
            f.richtigInFolge = 0;
            f.faellig = TagVon(v->zeit).addDays(Abstand(f.fehler));
        } else if (it != liste.end() && v->wiederholung) {
            // Only a right answer where it was posed as a mistake counts.
            FaelligerFehler& f = it->second;
            if (++f.richtigInFolge >= 2)
                liste.erase(it);
            else
                f.faellig = TagVon(v->zeit).addDays(Abstand(f.fehler));
        }
    }
    std::vector<FaelligerFehler> ergebnis;
    for (auto& [schluessel, f] : liste)
        ergebnis.push_back(f);
    std::stable_sort(ergebnis.begin(), ergebnis.end(), [](const FaelligerFehler& a, const FaelligerFehler& b) {
        return a.faellig != b.faellig ? a.faellig < b.faellig : a.fehler > b.fehler;
    });
    return ergebnis;
}

std::vector<FaelligerFehler> FaelligeFehler(const std::vector<ErsterVersuch>& verlauf, const QDate& heute)
{
    std::vector<FaelligerFehler> faellig;
    for (const FaelligerFehler& f : FehlerListe(verlauf))
        if (f.faellig <= heute)
            faellig.push_back(f);
    return faellig;
}

std::vector<Fehlerquote> Fehlerquoten(const std::vector<ErsterVersuch>& versuche)
{
    std::map<std::tuple<int, int, int>, Fehlerquote> quoten;
    for (const ErsterVersuch& v : versuche) {
        Fehlerquote& q = quoten[{int(v.aufgabe.bereich), v.aufgabe.art, v.aufgabe.stufe}];
        q.bereich = v.aufgabe.bereich;
        q.art = v.aufgabe.art;
        q.stufe = v.aufgabe.stufe;
        ++q.versuche;
        q.fehler += v.richtig ? 0 : 1;
        q.zuletzt = std::max(q.zuletzt, v.zeit);
    }
    std::vector<Fehlerquote> liste;
    for (auto& [schluessel, q] : quoten)
        liste.push_back(q);
    std::stable_sort(liste.begin(), liste.end(), [](const Fehlerquote& a, const Fehlerquote& b) {
        // Compare the shares exactly: fehler_a / versuche_a > fehler_b / versuche_b.
        const qint64 links = qint64(a.fehler) * b.versuche;
        const qint64 rechts = qint64(b.fehler) * a.versuche;
        if (links != rechts)
            return links > rechts;
        if (a.versuche != b.versuche)
            return a.versuche > b.versuche;
        return a.zuletzt > b.zuletzt;
    });
    return liste;
}

std::optional<FehlerPlan> PlaneFehlerUeben(const std::vector<ErsterVersuch>& fehlerhafte,
                                           const std::vector<ErsterVersuch>& letzteVersuche,
                                           const QDate& heute, int anzahl)
{
    const std::vector<FaelligerFehler> faellig = FaelligeFehler(fehlerhafte, heute);
    const std::vector<Fehlerquote> quoten = Fehlerquoten(letzteVersuche);

    FehlerPlan plan;
    if (!faellig.empty()) {
        // The screen with the most due mistakes; the list is ordered by due
        // day, so on a tie the first group met waited longest.
        std::map<Uebungsgruppe, int> anzahlJe;
        for (const FaelligerFehler& f : faellig)
            ++anzahlJe[GruppeVon(f.aufgabe.bereich, f.aufgabe.art)];
        int beste = -1;
        for (const FaelligerFehler& f : faellig) {
            const Uebungsgruppe g = GruppeVon(f.aufgabe.bereich, f.aufgabe.art);
            if (anzahlJe[g] > beste) {
                beste = anzahlJe[g];
                plan.gruppe = g;
            }
        }
    } else if (!quoten.empty()) {
        plan.gruppe = GruppeVon(quoten.front().bereich, quoten.front().art);
    } else {
        return std::nullopt;
    }

    for (const FaelligerFehler& f : faellig) {
        if (int(plan.aufgaben.size()) >= anzahl)
            break;
        if (GruppeVon(f.aufgabe.bereich, f.aufgabe.art) == plan.gruppe)
            plan.aufgaben.push_back({f.aufgabe, f.vereinfacht, true});
    }
    plan.faellige = int(plan.aufgaben.size());

    // Fresh exercises: the worst kinds and levels of this screen in turn.
    std::vector<AufgabenHerkunft> frisch;
    for (const Fehlerquote& q : quoten)
        if (GruppeVon(q.bereich, q.art) == plan.gruppe && frisch.size() < 3
            && (q.fehler > 0 || frisch.empty())) {
            AufgabenHerkunft a;
            a.bereich = q.bereich;
            a.art = q.art;
            a.stufe = q.stufe;
            frisch.push_back(a);
        }
    if (frisch.empty()) {
        // No recent attempt on this screen: the kinds of its own mistakes.
        for (const GeplanteAufgabe& g : plan.aufgaben)
            if (frisch.size() < 3 && std::none_of(frisch.begin(), frisch.end(), [&](const AufgabenHerkunft& a) {
                    return a.art == g.aufgabe.art && a.stufe == g.aufgabe.stufe;
                })) {
                AufgabenHerkunft a;
                a.bereich = g.aufgabe.bereich;
                a.art = g.aufgabe.art;
                a.stufe = g.aufgabe.stufe;
                frisch.push_back(a);
            }
    }
    for (size_t k = 0; int(plan.aufgaben.size()) < anzahl && !frisch.empty(); ++k)
        plan.aufgaben.push_back({frisch[k % frisch.size()], false, false});
    return plan;
}

std::optional<FehlerPlan> PlaneFehlerUeben(const VerlaufSpeicher& speicher, const QDateTime& jetzt)
{
    std::vector<ErsterVersuch> letzte = speicher.ErsteVersucheSeit(jetzt.addDays(-FehlerquoteTage));
    if (letzte.empty())
        letzte = speicher.ErsteVersucheSeit(QDateTime::fromMSecsSinceEpoch(0));
    return PlaneFehlerUeben(speicher.ErsteVersucheFehlerhafter(), letzte, jetzt.date(), FehlerUebenAnzahl);
}
