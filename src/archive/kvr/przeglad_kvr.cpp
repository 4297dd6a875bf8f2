#include "archive/kvr/przeglad_kvr.h"

#include <vector>

#include "archive/kvr/lzrw1kh.h"
#include "platform/cp1250.h"

namespace ramvel {

void PrzejdzArchiwum(TCzytnikArchiwum& archiwum, const std::function<void(const TWpisKvr&, int64_t)>& poWpisie) {
    TCzytnikKvr czytnik(archiwum);
    switch (czytnik.SprawdzNaglowek()) {
        case TNaglowekKvr::ZlaSygnatura:
            throw EUszkodzoneArchiwum("Plik : \"" + archiwum.NazwaArchiwum() + "\" nie jest prawidłowym archiwum KVR.");
        case TNaglowekKvr::NowszaWersja:
            throw EUszkodzoneArchiwum("Plik : \"" + archiwum.NazwaArchiwum() +
                                      "\" został skompresowany nowszą wersją programu kompresującego.");
        case TNaglowekKvr::Poprawny:
            break;
    }
    std::vector<uint8_t> zakodowany(kRozmiarBuforaBloku), zdekodowany(kRozmiarBuforaBloku);
    TWpisKvr wpis;
    while (czytnik.CzytajRozmiar(wpis.RozmiarPliku)) {
        czytnik.CzytajNazwe(wpis);
        const std::string nazwa = Cp1250NaUtf8(wpis.Nazwa);
        int64_t razem = 0;
        size_t kawalek = kRozmiarKawalka;
        while (kawalek == kRozmiarKawalka) {
            uint16_t dlugosc = 0;
            kawalek = czytnik.CzytajBlok(zakodowany.data(), zdekodowany.data(), dlugosc);
            razem += static_cast<int64_t>(kawalek);
        }
        if (!czytnik.CzytajZnacznikKonca())
            throw EUszkodzoneArchiwum("Archiwum \"" + archiwum.NazwaArchiwum() +
                                      "\" jest uszkodzone: błąd odczytu zakończenia pliku \"" + nazwa + "\".");
        if (wpis.RozmiarPliku >= 0 && razem != wpis.RozmiarPliku)
            throw EUszkodzoneArchiwum("Archiwum \"" + archiwum.NazwaArchiwum() + "\" jest uszkodzone: plik \"" + nazwa +
                                      "\" ma po dekompresji " + std::to_string(razem) + " bajtów zamiast " +
                                      std::to_string(wpis.RozmiarPliku) + ".");
        if (poWpisie)
            poWpisie(wpis, razem);
    }
}

}  // namespace ramvel
