#pragma once
#include "drill/Aufgabenquelle.h"

#include <memory>

// The rational drills' usual source: the catalogue draws each row for the
// open level variable (RationalZeileFuellen), exactly as without a source.
std::unique_ptr<Aufgabenquelle> RationalKatalogquelle();

// Where row i of the rational store came from, with the open kind and level.
AufgabenHerkunft RationalHerkunft(int i);
