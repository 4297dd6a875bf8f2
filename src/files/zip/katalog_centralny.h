#pragma once
// The central directory: found from the end record, read into memory in one
// piece, and walked entry by entry.
#include <cstdint>
#include <string>
#include <vector>

#include "files/zip/zrodlo_zip.h"

namespace ramvel {

struct TPozycjaKatalogu {
    uint8_t SystemTworcy = 0;        // host byte of "version made by"; 0 = MS-DOS
    uint16_t Flagi = 0;
    uint16_t Metoda = 0;
    uint32_t CzasDos = 0;            // date in the high 16 bits
    uint32_t Crc = 0;
    uint32_t RozmiarSpakowany = 0;
    uint32_t Rozmiar = 0;
    uint32_t AtrybutyZewnetrzne = 0;
    uint64_t PozycjaNaglowka = 0;    // local header, already moved by the archive's start
    std::string Nazwa;               // UTF-8, '/' between levels, as stored otherwise

    // The DOS attribute byte: meaningful only for entries made on MS-DOS.
    uint8_t Atrybuty() const { return SystemTworcy == 0 ? static_cast<uint8_t>(AtrybutyZewnetrzne) : 0; }
    bool JestKatalogiem() const { return !Nazwa.empty() && Nazwa.back() == '/'; }
};

class TKatalogCentralny {
public:
    // 0, or -11 (the end record cannot be found or read), -9 (the directory it
    // points to cannot be used: out of the file, or fewer entries than the end
    // record counts), -10 (it holds no entry).
    int32_t Otworz(IZrodloZip& zrodlo);
    // The next entry, or -10 when there is none.
    int32_t Nastepna(TPozycjaKatalogu& pozycja);
    // Back to the first entry.
    void Przewin() { FPozycja = 0; }
    size_t LiczbaPozycji() const { return FLiczbaPozycji; }

private:
    std::vector<uint8_t> FDane;  // from the first central header up to the end record's signature
    size_t FPozycja = 0;
    size_t FLiczbaPozycji = 0;
    uint64_t FPrzesuniecie = 0;  // bytes in front of the archive proper (self-extractor stub)
};

// The end record: the last "PK\5\6" in the file, searched from the end in
// windows of 4096 bytes. -11 when there is none or a read fails.
int64_t ZnajdzRekordKonca(IZrodloZip& zrodlo);

}  // namespace ramvel
