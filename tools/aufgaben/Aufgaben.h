#pragma once
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <functional>

// Shared pieces of the exercise printer minusland-aufgaben: argument parsing
// and JSON output. Each kind of number has its own subcommand:
//
//   minusland-aufgaben ganz ART STUFE [--anzahl N] [--seed S | --code C [--gruppe G]] [--vereinfacht]
//   minusland-aufgaben rational ART STUFE [...]
//
// and prints one JSON object per exercise and line, in UTF-8. With a class
// code the exercises are those of the worksheet with that code (15 unless
// --anzahl says otherwise). The worksheet itself:
//
//   minusland-aufgaben blatt ganz|rational ART STUFE [--anzahl N] [--code C]
//       [--gruppen G] [--vereinfacht] --pdf DATEI
//
// Bad arguments give a one-line message on the error stream and exit code 2;
// a file that cannot be written exit code 1.

inline constexpr int ExitFalscheArgumente = 2;
inline constexpr int ExitSchreibfehler = 1;

struct AufgabenArgumente {
    int art = 0;
    int stufe = 0;
    int anzahl = 10;
    quint64 seed = 0;
    bool seedGesetzt = false; // without --seed the clock seeds the draws
    bool vereinfacht = false;
    bool anzahlGesetzt = false;
    QString code;    // class code, normalised; empty: none given
    int gruppe = 0;  // --gruppe A … D (0 … 3)
    int gruppen = 1; // --gruppen 1 … 4
    QString pdf;     // --pdf DATEI
};

// Which options a subcommand takes besides --anzahl and --vereinfacht.
enum AufgabenOption { OptSeed = 1, OptCode = 2, OptGruppe = 4, OptGruppen = 8, OptPdf = 16 };

// Parses "ART STUFE [--anzahl N] [--seed S] [--vereinfacht]" (options also as
// --anzahl=N, in any order after the two numbers). ART must lie in
// 1 … maxArt and STUFE in 1 … maxStufe(ART). On failure returns false with a
// one-line message in fehler.
bool LiesArgumente(const QStringList& args, int maxArt, const std::function<int(int art)>& maxStufe,
                   AufgabenArgumente& ergebnis, QString& fehler, int optionen = OptSeed | OptCode | OptGruppe);

// Seeds the process's generator from --seed, or from the clock.
void SetzeZufall(const AufgabenArgumente& argumente);

// A JSON string literal: quotes, backslashes and control characters escaped.
QString JsonText(const QString& text);

// One JSON object of string fields in the given order, e.g.
// {"quelle":"BaueKette(3,4)","term":"…"}.
QString JsonObjekt(const QList<QPair<QString, QString>>& felder);

// The exercises a class code fixes, for the range and the parsed arguments
// (15 unless --anzahl was given).
struct BlattAufgabe;
enum class Zahlenbereich;
QList<BlattAufgabe> CodeAufgaben(Zahlenbereich bereich, const AufgabenArgumente& argumente);

// The subcommands; args are the arguments after the subcommand's name.
int DruckeGanz(const QStringList& args, QTextStream& out, QTextStream& err);
int DruckeRational(const QStringList& args, QTextStream& out, QTextStream& err);
// "blatt ganz|rational …": writes the worksheet PDF.
int SchreibeBlatt(const QStringList& args, QTextStream& out, QTextStream& err);
