// A full repaint of each drill screen and each introduction page into its
// image buffer (PaintBox::Render, what every paint event draws), with the
// page filled as the pupil first sees it. Target: at most 2 ms a repaint.
// Runs headless (offscreen platform unless QT_QPA_PLATFORM says otherwise).
#include "core/PaintBox.h"
#include "integer/GanzSpeicher.h"
#include "integer/GanzUebungU.h"
#include "intro/EinstiegGanzU.h"
#include "intro/EinstiegRationalU.h"
#include "intro/GanzMusterU.h"
#include "rational/RationalSpeicher.h"
#include "rational/RationalUebAddSubU.h"
#include "rational/RationalUebGemU.h"
#include "rational/RationalUebMultDivU.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <functional>
#include <string>

namespace {

void Zeige(QWidget* w)
{
    w->show();
    QApplication::processEvents();
}

void Render(benchmark::State& state, PaintBox* box)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(box->Render());
}

// Registers one repaint; vorbereiten opens the screen at its page and
// returns its paint box.
void Neu(const std::string& name, std::function<PaintBox*()> vorbereiten)
{
    benchmark::RegisterBenchmark(name.c_str(), [vorbereiten](benchmark::State& state) {
        PaintBox* box = vorbereiten();
        Render(state, box);
    })->Unit(benchmark::kMicrosecond);
}

// One form of each kind for the whole run (left to the end of the process).
template <typename Form>
Form* Einmal()
{
    static Form* form = new Form;
    return form;
}

void Registriere()
{
    // The floor of every repaint: a buffer of 1000 × 700 allocated and
    // cleared, nothing painted.
    Neu("Leer", [] {
        static auto* box = new PaintBox;
        box->resize(1000, 700);
        box->OnPaint = [](Canvas&) {};
        return box;
    });

    for (int art = 1; art <= 9; ++art)
        Neu("Ganz/Art" + std::to_string(art) + "/Stufe4", [art] {
            auto* f = Einmal<TfrmGanzUebung>();
            f->close();
            StufenLoeschen();
            ArtGanz = art;
            StufenGanz[art - 1] = 4;
            Zeige(f);
            return f->pntZahlen;
        });

    struct Rational {
        const char* name;
        int* stufe;
        int hoechste;
        int art;
        std::function<TfrmRationalUebung*()> form;
    };
    const Rational rational[] = {
        {"Rational/Addition", &StufeRationalAdd, 4, 1, [] { return Einmal<TfrmRationalUebAddSub>(); }},
        {"Rational/Subtraktion", &StufeRationalSub, 4, 2, [] { return Einmal<TfrmRationalUebAddSub>(); }},
        {"Rational/Multiplikation", &StufeRationalMult, 3, 3, [] { return Einmal<TfrmRationalUebMultDiv>(); }},
        {"Rational/Division", &StufeRationalDiv, 3, 4, [] { return Einmal<TfrmRationalUebMultDiv>(); }},
        {"Rational/Gemischt", &StufeRationalGem, 4, 5, [] { return Einmal<TfrmRationalUebGem>(); }},
    };
    for (const Rational& r : rational)
        for (int stufe = 1; stufe <= r.hoechste; ++stufe)
            Neu(std::string(r.name) + "/Stufe" + std::to_string(stufe), [r, stufe] {
                TfrmRationalUebung* f = r.form();
                f->close();
                RationalStufenLoeschen();
                RationalArt = r.art;
                *r.stufe = stufe;
                Zeige(f);
                return f->pntZahlen;
            });

    for (int seite = 0; seite <= 4; ++seite)
        Neu("GanzEinstieg/Seite" + std::to_string(seite), [seite] {
            auto* f = Einmal<TfrmGanzEinstieg>();
            f->close();
            Zeige(f);
            if (seite > 0)
                f->menArtClick(seite);
            return f->pnt;
        });
    for (int seite = 0; seite <= 2; ++seite)
        Neu("RationalEinstieg/Seite" + std::to_string(seite), [seite] {
            auto* f = Einmal<TfrmRationalEinstieg>();
            f->close();
            Zeige(f);
            if (seite > 0)
                f->menArtClick(seite);
            return f->pnt;
        });
    for (int art = 1; art <= 2; ++art)
        for (bool geld : {false, true})
            Neu(std::string("GanzMuster/") + (art == 1 ? "Addition" : "Subtraktion") + (geld ? "/Geld" : "/Thermometer"),
                [art, geld] {
                    auto* f = Einmal<TfrmGanzMuster>();
                    f->close();
                    ArtGanz = art;
                    Zeige(f);
                    if (geld) {
                        f->menGeldClick();
                        for (int k = 0; k < 8; ++k) // every step shown: the fullest page
                            f->btnWeiterClick();
                    }
                    return f->pnt;
                });
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Registriere();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
