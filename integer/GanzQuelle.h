#pragma once
#include "drill/Aufgabenquelle.h"

#include <memory>

// The integer drill's usual source: the catalogue draws each line for the
// chosen kind and level (FuelleAufgabeGanz), exactly as without a source.
std::unique_ptr<Aufgabenquelle> GanzKatalogquelle();

// Where line i of the integer store came from (its kind and level as chosen).
AufgabenHerkunft GanzHerkunft(int i);
