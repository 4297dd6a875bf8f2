#include "files/zip/raport_zip.h"

#include <algorithm>
#include <cstring>

namespace ramvel {

uint8_t Stopien(int64_t spakowany, int64_t rozmiar) {
    if (spakowany > 21474836) {
        spakowany /= 100;
        rozmiar /= 100;
    }
    if (rozmiar == 0)
        return 0;
    return static_cast<uint8_t>(100 - (spakowany * 100) / rozmiar);
}

void UstawNazweRaportu(TRaportZip& raport, const std::string& nazwa) {
    size_t dlugosc = std::min(nazwa.size(), sizeof(raport.NazwaPliku) - 1);
    if (dlugosc < nazwa.size())
        while (dlugosc > 0 && (static_cast<unsigned char>(nazwa[dlugosc]) & 0xC0) == 0x80)
            --dlugosc;
    std::memcpy(raport.NazwaPliku, nazwa.data(), dlugosc);
    std::memset(raport.NazwaPliku + dlugosc, 0, sizeof(raport.NazwaPliku) - dlugosc);
}

}  // namespace ramvel
