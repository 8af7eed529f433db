#pragma once
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <functional>

// Shared pieces of the exercise printer minusland-aufgaben: argument parsing
// and JSON output. Each kind of number has its own subcommand:
//
//   minusland-aufgaben ganz ART STUFE [--anzahl N] [--seed S] [--vereinfacht]
//   minusland-aufgaben rational ART STUFE [...]
//
// and prints one JSON object per exercise and line, in UTF-8. Bad arguments
// give a one-line message on the error stream and exit code 2.

inline constexpr int ExitFalscheArgumente = 2;

struct AufgabenArgumente {
    int art = 0;
    int stufe = 0;
    int anzahl = 10;
    quint64 seed = 0;
    bool seedGesetzt = false; // without --seed the clock seeds the draws
    bool vereinfacht = false;
};

// Parses "ART STUFE [--anzahl N] [--seed S] [--vereinfacht]" (options also as
// --anzahl=N, in any order after the two numbers). ART must lie in
// 1 … maxArt and STUFE in 1 … maxStufe(ART). On failure returns false with a
// one-line message in fehler.
bool LiesArgumente(const QStringList& args, int maxArt, const std::function<int(int art)>& maxStufe,
                   AufgabenArgumente& ergebnis, QString& fehler);

// Seeds the process's generator from --seed, or from the clock.
void SetzeZufall(const AufgabenArgumente& argumente);

// A JSON string literal: quotes, backslashes and control characters escaped.
QString JsonText(const QString& text);

// One JSON object of string fields in the given order, e.g.
// {"quelle":"BaueKette(3,4)","term":"…"}.
QString JsonObjekt(const QList<QPair<QString, QString>>& felder);

// The subcommands; args are the arguments after the subcommand's name.
int DruckeGanz(const QStringList& args, QTextStream& out, QTextStream& err);
int DruckeRational(const QStringList& args, QTextStream& out, QTextStream& err);
