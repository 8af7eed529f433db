#pragma once
// Shared pieces of the fuzz targets: reading the input and reporting a
// broken property. A broken property aborts, so libFuzzer keeps the input and
// the replay of the saved inputs fails in the normal test suite.
#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

[[noreturn]] inline void Verletzt(const char* eigenschaft, const QString& fall)
{
    std::fprintf(stderr, "property broken: %s\n  case: %s\n", eigenschaft, qPrintable(fall));
    std::abort();
}

#define FUZZ_PRUEFE(bedingung, fall)                                                               \
    do {                                                                                          \
        if (!(bedingung))                                                                         \
            Verletzt(#bedingung, (fall));                                                         \
    } while (false)

// Reads the input front to back: a few bytes as choices, the rest as text.
class Eingabe {
public:
    Eingabe(const uint8_t* daten, size_t groesse) : p_(daten), n_(groesse) {}

    bool Leer() const { return n_ == 0; }

    uint8_t Byte()
    {
        if (n_ == 0)
            return 0;
        --n_;
        return *p_++;
    }

    // A number lo … hi from the next bytes (lo when the input is used up).
    int Zahl(int lo, int hi)
    {
        const uint32_t spanne = uint32_t(hi - lo) + 1;
        uint32_t v = 0;
        for (uint32_t s = spanne; s > 1 && n_ > 0; s >>= 8)
            v = (v << 8) | Byte();
        return lo + int(v % spanne);
    }

    int32_t Int32()
    {
        uint32_t v = 0;
        for (int k = 0; k < 4; ++k)
            v = (v << 8) | Byte();
        return int32_t(v);
    }

    // The rest of the input as UTF-8 text (invalid bytes become U+FFFD).
    QString RestText()
    {
        const QString t = QString::fromUtf8(reinterpret_cast<const char*>(p_), qsizetype(n_));
        p_ += n_;
        n_ = 0;
        return t;
    }

    // The rest of the input, each byte one character of the given alphabet.
    QString RestAus(const QString& alphabet)
    {
        QString t;
        while (n_ > 0)
            t += alphabet[Byte() % alphabet.size()];
        return t;
    }

private:
    const uint8_t* p_;
    size_t n_;
};
