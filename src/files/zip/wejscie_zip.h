#pragma once
// The one way compressed data comes in: from the archive, in blocks of 4096
// bytes, never past the entry's compressed size. Bit-level decoders take bits
// least significant first, as every ZIP method packs them.
#include <cstddef>
#include <cstdint>

#include "files/zip/zrodlo_zip.h"

namespace ramvel {

// Told each time a block has been read: handles the window messages and the
// stop key. Returns 0, or -5 when the user stopped the extraction.
class IKrokWejscia {
public:
    virtual ~IKrokWejscia() = default;
    virtual int32_t Krok(uint64_t przeczytano) = 0;
};

class TWejscieZip {
public:
    static constexpr size_t RozmiarBloku = 4096;
    // A bit reader may take up to this many bytes past the data, read as
    // zeros; past them the data has ended (-3).
    static constexpr size_t DopuszczalnyNadmiar = 2;

    TWejscieZip(IZrodloZip& zrodlo, uint64_t poczatek, uint64_t rozmiar, IKrokWejscia* krok)
        : FZrodlo(zrodlo), FPozycja(poczatek), FZostalo(rozmiar), FKrok(krok) {}

    // The buffered bytes not yet taken, refilling when none are left: 0, -3
    // (the data has ended, or a read failed), -5.
    int32_t Dostepne(const uint8_t*& dane, size_t& ile);
    void Pobrano(size_t ile) { FOdczytano += ile; }
    // The entry's compressed bytes that have not been read from the archive.
    uint64_t Zostalo() const { return FZostalo + (FWBuforze - FOdczytano); }

    // One byte; up to DopuszczalnyNadmiar zero bytes past the end, then -3.
    int32_t Bajt(uint8_t& bajt);
    // `ile` (at most 24) bits, least significant first.
    int32_t Bity(unsigned ile, uint32_t& wartosc);
    // True when fewer than `potrzeba` bits are left in the data.
    bool KoniecBitow(unsigned potrzeba) const {
        return Zostalo() * 8 + FLiczbaBitow < potrzeba;
    }
    // Calls the block step without reading: after a stored block, before data.
    int32_t Krok() { return FKrok ? FKrok->Krok(FPrzeczytano) : 0; }

private:
    int32_t Uzupelnij();

    IZrodloZip& FZrodlo;
    uint64_t FPozycja;          // next archive position to read
    uint64_t FZostalo;          // compressed bytes not yet read from the archive
    uint64_t FPrzeczytano = 0;  // compressed bytes read from the archive so far
    IKrokWejscia* FKrok;
    uint8_t FBufor[RozmiarBloku];
    size_t FWBuforze = 0;       // bytes in FBufor
    size_t FOdczytano = 0;      // of those, taken by the decoder
    size_t FNadmiar = 0;        // zero bytes handed out past the end
    uint32_t FBity = 0;         // bit buffer, next bit lowest
    unsigned FLiczbaBitow = 0;
};

}  // namespace ramvel
