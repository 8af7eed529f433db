#pragma once
// Opens a drill screen as the menu does and runs a test body on it.
#include "common/ModalHelper.h"
#include "integer/GanzSpeicher.h"
#include "integer/GanzUebungU.h"
#include "rational/RationalSpeicher.h"
#include "rational/RationalUebAddSubU.h"

#include <QtTest>

#include <functional>

// The integer drill of kind art at level stufe, shown and active.
inline void MitGanzDrill(int art, int stufe, const std::function<void(QWidget*)>& koerper)
{
    GewaehlteDurchgaenge = 3;
    StufenLoeschen();
    ArtGanz = art;
    StufenGanz[art - 1] = stufe;
    TfrmGanzUebung form;
    form.show();
    QApplication::setActiveWindow(&form);
    QVERIFY(QTest::qWaitForWindowActive(&form));
    koerper(&form);
    StufenLoeschen();
    ArtGanz = 0;
    Vereinfacht = false;
}

// The rational addition drill at level stufe, shown modally as the menu
// does; the body runs inside its loop.
inline void MitRationalDrill(int stufe, const std::function<void(QWidget*)>& koerper)
{
    RationalStufenLoeschen();
    RationalArt = 1;
    StufeRationalAdd = stufe;
    auto* form = new TfrmRationalUebAddSub;
    bool gelaufen = false;
    WhenModal([&](QWidget*) {
        QApplication::setActiveWindow(form);
        koerper(form);
        gelaufen = true;
        form->close();
    });
    form->exec();
    QVERIFY(gelaufen);
    delete form;
    RationalStufenLoeschen();
}
