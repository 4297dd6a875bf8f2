#include <algorithm>
#include <cstring>

#include "files/zip/dekompresja.h"

namespace ramvel {

int32_t RozpakujBezKompresji(TWejscieZip& wejscie, TWyjscieZip& wyjscie) {
    while (wejscie.Zostalo() > 0) {
        const uint8_t* dane = nullptr;
        size_t dostepne = 0;
        if (const int32_t kod = wejscie.Dostepne(dane, dostepne); kod != 0)
            return kod;
        uint8_t* wolne = nullptr;
        size_t miejsce = 0;
        if (const int32_t kod = wyjscie.Miejsce(wolne, miejsce); kod != 0)
            return kod;
        const size_t ile = std::min(dostepne, miejsce);
        std::memcpy(wolne, dane, ile);
        wejscie.Pobrano(ile);
        if (const int32_t kod = wyjscie.Dopisano(ile); kod != 0)
            return kod;
        // The window gets its turn after every full block, as during reads.
        if (ile == miejsce) {
            int32_t kod = wyjscie.Oproznij();
            if (kod == 0)
                kod = wejscie.Krok();
            if (kod != 0)
                return kod;
        }
    }
    return wyjscie.Oproznij();
}

}  // namespace ramvel
