#include "files/zip/naglowek_lokalny.h"

#include "files/zip/format_zip.h"
#include "files/zip/kody_zip.h"

namespace ramvel {

using namespace formatzip;

int32_t CzytajNaglowekLokalny(IZrodloZip& zrodlo, uint64_t pozycja, TNaglowekLokalny& naglowek) {
    if (pozycja > zrodlo.Rozmiar())
        return KodZip::BladCzytania;
    uint8_t bajty[DlugoscNaglowkaLokalnego];
    if (!CzytajDokladnie(zrodlo, pozycja, bajty, sizeof bajty) || Pole32(bajty) != SygnaturaLokalna)
        return KodZip::BladFormatu;
    naglowek.Flagi = Pole16(bajty + 6);
    naglowek.Metoda = Pole16(bajty + 8);
    naglowek.CzasDos = (static_cast<uint32_t>(Pole16(bajty + 12)) << 16) | Pole16(bajty + 10);
    naglowek.Crc = Pole32(bajty + 14);
    naglowek.RozmiarSpakowany = Pole32(bajty + 18);
    naglowek.Rozmiar = Pole32(bajty + 22);
    naglowek.DlugoscNazwy = Pole16(bajty + 26);
    naglowek.DlugoscDodatkowych = Pole16(bajty + 28);
    return 0;
}

}  // namespace ramvel
