#include "files/zip/dekompresja.h"

#include "files/zip/format_zip.h"
#include "files/zip/kody_zip.h"

namespace ramvel {

using namespace formatzip;

bool MetodaObslugiwana(uint16_t metoda) {
    return metoda == MetodaBezKompresji || metoda == MetodaShrink || metoda == MetodaImplode ||
           metoda == MetodaDeflate;
}

size_t RozmiarBlokuMetody(uint16_t metoda) {
    return metoda == MetodaShrink ? TWyjscieZip::BlokShrink : TWyjscieZip::BlokStandardowy;
}

int32_t Dekompresuj(uint16_t metoda, uint16_t flagi, uint64_t rozmiar, TWejscieZip& wejscie, TWyjscieZip& wyjscie) {
    switch (metoda) {
        case MetodaBezKompresji: return RozpakujBezKompresji(wejscie, wyjscie);
        case MetodaShrink: return RozpakujShrink(wejscie, wyjscie);
        case MetodaImplode: return RozpakujImplode(wejscie, wyjscie, flagi, rozmiar);
        case MetodaDeflate: return RozpakujDeflate(wejscie, wyjscie);
        default: return KodZip::NieobslugiwanaMetoda;
    }
}

}  // namespace ramvel
