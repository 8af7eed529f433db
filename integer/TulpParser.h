#pragma once
#include <QString>

// TFunktion: the formula evaluator the term builders compute with.
//
//   TFunktion f("((+3)-(-5))*(+2)");
//   if (f.Fehler() == 0) value = f.Berechne(1);
//
// The text is parsed once into an expression tree (blanks dropped, upper
// case); Berechne evaluates the tree for a value of X. Grammar, lowest
// binding first, every operator grouping to the left: + -, then * /, then a
// leading sign, then ^, then a function call ABS COS EXP LN LG SIN SQRT TAN or
// a plain bracket, then a number literal ("." decimal point, optional
// exponent), X or PI. A sign directly after * or / is refused (2*-3).
//
// Fehler: 0 parsed, 1 syntax error (also for formulas nested deeper than
// MaxTiefe, so no input can exhaust the stack), 6 a tree node could not be
// allocated. After a failed parse there is no tree and Berechne returns 0.
class TFunktion {
public:
    explicit TFunktion(const QString& text);
    ~TFunktion();
    TFunktion(const TFunktion&) = delete;
    TFunktion& operator=(const TFunktion&) = delete;

    double Berechne(double x);
    int Fehler() const;
    QString Ausdruck() const;

    // Deepest recursion the parser allows (every level consumes at least one
    // character, so texts up to this length always parse in full).
    static constexpr int MaxTiefe = 1000;

private:
    struct TKnoten;

    void Zerlege(int von, int bis, TKnoten*& knoten, int tiefe);
    int SucheOperator(const char* menge, int von, int bis) const;
    bool IstFunktion(int von, int bis, int& klammer, int& nummer) const;
    bool IstZahl(int von, int bis, double& wert) const;
    TKnoten* NeuerKnoten(int art);
    double Auswerten(const TKnoten* knoten) const;
    static void Freigeben(TKnoten* knoten);

    QString ausdruck_;
    int fehler_ = 0;
    TKnoten* wurzel_ = nullptr;
    double x_ = 0;
};
