// libFuzzer target for the ZIP reader: the first byte chooses what the rest
// is fed to. 0: a whole archive (recognition, central directory, local
// headers, every entry decoded without writing, every name split into safe
// levels); 1-4: one decoder (stored, shrink, implode, deflate) on raw data,
// with the next three bytes as the flags and the declared size.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "files/zip/cel_pozycji.h"
#include "files/zip/dekompresja.h"
#include "files/zip/katalog_centralny.h"
#include "files/zip/rozpakuj_archiwum.h"
#include "files/zip/zrodlo_zip.h"

namespace {

using namespace ramvel;

class TBezZapisu : public ICelDanych {
public:
    bool Zapisz(const uint8_t*, size_t) override { return true; }
};

void Archiwum(const uint8_t* dane, size_t rozmiar) {
    TZrodloPamieci zrodlo(dane, rozmiar);
    TKatalogCentralny katalog;
    if (katalog.Otworz(zrodlo) == 0) {
        TPozycjaKatalogu wpis;
        std::vector<std::string> poziomy;
        while (katalog.Nastepna(wpis) == 0)
            if (PoziomyNazwy(wpis.Nazwa, poziomy))
                for (const auto& poziom : poziomy)
                    if (poziom == ".." || poziom.empty() || poziom.find('/') != std::string::npos)
                        std::abort();
    }
    RozpakujArchiwum(zrodlo, "fuzz", "/nonexistent-fuzz-target", "*.*",
                     [](int32_t, TRaportZip& raport) {
                         if (raport.NazwaPliku[sizeof raport.NazwaPliku - 1] != '\0')
                             std::abort();
                     },
                     true);
}

void Dekoder(uint16_t metoda, const uint8_t* dane, size_t rozmiar) {
    if (rozmiar < 3)
        return;
    const uint16_t flagi = dane[0];
    // Declared sizes up to 16 MB keep each run short.
    const uint64_t rozmiarWyjscia = (uint64_t{dane[1]} << 16 | uint64_t{dane[2]} << 8) & 0xFFFFFF;
    TZrodloPamieci zrodlo(dane + 3, rozmiar - 3);
    TWejscieZip wejscie(zrodlo, 0, rozmiar - 3, nullptr);
    TBezZapisu cel;
    TWyjscieZip wyjscie(cel, RozmiarBlokuMetody(metoda), rozmiarWyjscia, nullptr);
    const int32_t kod = Dekompresuj(metoda, flagi, rozmiarWyjscia, wejscie, wyjscie);
    if (kod == 0 && wyjscie.Zapisano() > rozmiarWyjscia)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dane, size_t rozmiar) {
    if (rozmiar < 1)
        return 0;
    static const uint16_t metody[] = {0, 1, 6, 8};
    const uint8_t tryb = dane[0] % 5;
    if (tryb == 0)
        Archiwum(dane + 1, rozmiar - 1);
    else
        Dekoder(metody[tryb - 1], dane + 1, rozmiar - 1);
    return 0;
}
