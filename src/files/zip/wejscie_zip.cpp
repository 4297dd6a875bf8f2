#include "files/zip/wejscie_zip.h"

#include <algorithm>

#include "files/zip/kody_zip.h"

namespace ramvel {

int32_t TWejscieZip::Uzupelnij() {
    if (FZostalo == 0)
        return KodZip::BladCzytania;
    const size_t ile = static_cast<size_t>(std::min<uint64_t>(FZostalo, RozmiarBloku));
    if (!CzytajDokladnie(FZrodlo, FPozycja, FBufor, ile))
        return KodZip::BladCzytania;
    FPozycja += ile;
    FZostalo -= ile;
    FPrzeczytano += ile;
    FWBuforze = ile;
    FOdczytano = 0;
    return Krok();
}

int32_t TWejscieZip::Dostepne(const uint8_t*& dane, size_t& ile) {
    if (FOdczytano == FWBuforze)
        if (const int32_t kod = Uzupelnij(); kod != 0)
            return kod;
    dane = FBufor + FOdczytano;
    ile = FWBuforze - FOdczytano;
    return 0;
}

int32_t TWejscieZip::Bajt(uint8_t& bajt) {
    if (FOdczytano == FWBuforze) {
        if (FZostalo == 0) {
            if (FNadmiar == DopuszczalnyNadmiar)
                return KodZip::BladCzytania;
            ++FNadmiar;
            bajt = 0;
            return 0;
        }
        if (const int32_t kod = Uzupelnij(); kod != 0)
            return kod;
    }
    bajt = FBufor[FOdczytano++];
    return 0;
}

int32_t TWejscieZip::Bity(unsigned ile, uint32_t& wartosc) {
    while (FLiczbaBitow < ile) {
        uint8_t bajt = 0;
        if (const int32_t kod = Bajt(bajt); kod != 0)
            return kod;
        FBity |= static_cast<uint32_t>(bajt) << FLiczbaBitow;
        FLiczbaBitow += 8;
    }
    wartosc = FBity & ((1u << ile) - 1);
    FBity >>= ile;
    FLiczbaBitow -= ile;
    return 0;
}

}  // namespace ramvel
