#pragma once
#include "drill/Aufgabenquelle.h"

#include <memory>

// The rational drills' usual source: the catalogue draws each row for the
// open level variable (RationalZeileFuellen), exactly as without a source.
std::unique_ptr<Aufgabenquelle> RationalKatalogquelle();

// Where row i of the rational store came from, with the open kind and level.
AufgabenHerkunft RationalHerkunft(int i);

// Row i of the rational store and an exercise record, copied one into the
// other: term, result and the shape flags the typesetting needs.
void SchreibeRationalZeile(int i, const AufgabenHerkunft& h);
void LeseRationalZeile(int i, AufgabenHerkunft& h);
