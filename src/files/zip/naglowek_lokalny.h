#pragma once
// The local file header in front of each entry's data.
#include <cstdint>

#include "files/zip/zrodlo_zip.h"

namespace ramvel {

struct TNaglowekLokalny {
    uint16_t Flagi = 0;
    uint16_t Metoda = 0;
    uint32_t CzasDos = 0;  // date in the high 16 bits
    uint32_t Crc = 0;
    uint32_t RozmiarSpakowany = 0;
    uint32_t Rozmiar = 0;
    uint16_t DlugoscNazwy = 0;
    uint16_t DlugoscDodatkowych = 0;

    // Where the compressed data begins, for a header at `pozycja`.
    uint64_t PoczatekDanych(uint64_t pozycja) const { return pozycja + 30 + DlugoscNazwy + DlugoscDodatkowych; }
};

// 0; -3 when `pozycja` lies beyond the archive; -4 when the 30 bytes cannot be
// read or do not begin with the local header's signature.
int32_t CzytajNaglowekLokalny(IZrodloZip& zrodlo, uint64_t pozycja, TNaglowekLokalny& naglowek);

}  // namespace ramvel
