#pragma once
#include "drill/Aufgabenquelle.h"

#include <memory>

// The usual source of a drill: each line is drawn by the drill's catalogue
// routine (false: nothing drawn, the line stays empty) and its origin read
// back from the store.
std::unique_ptr<Aufgabenquelle> KatalogQuelle(bool (*fuelle)(int zeile), AufgabenHerkunft (*herkunft)(int zeile));
