#pragma once
// The extraction's result codes and the statuses of its progress reports.
#include <cstdint>

namespace ramvel {

namespace KodZip {
constexpr int32_t BladCrc = -1;               // the data's CRC-32 differs
constexpr int32_t BladZapisu = -2;            // the target cannot be created or written
constexpr int32_t BladCzytania = -3;          // the archive cannot be read, or its data ends early
constexpr int32_t BladFormatu = -4;           // bad local header or corrupt compressed data
constexpr int32_t Rezygnacja = -5;            // the user stopped the extraction
constexpr int32_t NieobslugiwanaMetoda = -6;  // a compression method we do not decode
constexpr int32_t Zakodowany = -7;            // the entry is encrypted
constexpr int32_t Zablokowany = -8;           // another extraction is running
constexpr int32_t BladKatalogu = -9;          // the central directory cannot be used
constexpr int32_t KoniecPozycji = -10;        // no more central directory entries
constexpr int32_t BladDostepu = -11;          // the archive cannot be opened or read
constexpr int32_t NieJestZip = -12;           // the file is not a ZIP archive
constexpr int32_t BladOtwarcia = -14;         // the archive cannot be opened for an entry
constexpr int32_t BladKrytyczny = -100;       // what the callback gets for a fatal error
constexpr int32_t ZlyParametr = -500;         // archive path or target directory missing
}  // namespace KodZip

namespace RaportZip {
constexpr int32_t Poczatek = -1004;     // before the first entry: the archive's totals
constexpr int32_t Pozycja = -1000;      // an entry starts
constexpr int32_t Blok = -1001;         // a block was written; the value is its size
constexpr int32_t Sukces = -1002;       // the entry was extracted and its CRC verified
constexpr int32_t BladPozycji = -1003;  // the entry failed (value: its code); the others go on
constexpr int32_t Koniec = -1005;       // after the last entry: the totals processed
}  // namespace RaportZip

// Only these entry failures leave the other entries to be extracted.
constexpr bool BladPozycjiNieKonczy(int32_t kod) {
    return kod == KodZip::BladCrc || kod == KodZip::BladZapisu || kod == KodZip::NieobslugiwanaMetoda ||
           kod == KodZip::Zakodowany;
}

}  // namespace ramvel
