#include "drill/KatalogQuelle.h"

namespace {

class Katalog : public Aufgabenquelle {
public:
    Katalog(bool (*fuelle)(int), AufgabenHerkunft (*herkunft)(int)) : fuelle_(fuelle), herkunft_(herkunft) {}

    AufgabenHerkunft Fuelle(int, int zeile, bool) override
    {
        if (!fuelle_(zeile))
            return {};
        return herkunft_(zeile);
    }

private:
    bool (*fuelle_)(int);
    AufgabenHerkunft (*herkunft_)(int);
};

} // namespace

std::unique_ptr<Aufgabenquelle> KatalogQuelle(bool (*fuelle)(int zeile), AufgabenHerkunft (*herkunft)(int zeile))
{
    return std::make_unique<Katalog>(fuelle, herkunft);
}
