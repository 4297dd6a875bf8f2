#pragma once
// The one way decoded data goes out: gathered in a block, and each full block
// checksummed, handed to its destination and reported. Nothing is written past
// the entry's declared size.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "files/zip/kody_zip.h"

namespace ramvel {

// Where the blocks go: the target file, or nowhere when only testing.
class ICelDanych {
public:
    virtual ~ICelDanych() = default;
    // False when not all bytes were taken.
    virtual bool Zapisz(const uint8_t* dane, size_t ile) = 0;
};

class TWyjscieZip {
public:
    static constexpr size_t BlokStandardowy = 32768;
    // The original flushed shrunk data from a buffer of this size.
    static constexpr size_t BlokShrink = 767;

    // `raportBloku` gets the size of each block written.
    TWyjscieZip(ICelDanych& cel, size_t rozmiarBloku, uint64_t limit, std::function<void(int32_t)> raportBloku);

    // 0, -2 (the destination refused a block), -4 (more data than declared).
    int32_t Bajt(uint8_t bajt) {
        if (FWBloku == FBlok.size())
            if (const int32_t kod = Oproznij(); kod != 0)
                return kod;
        if (FZapisano + FWBloku >= FLimit)
            return KodZip::BladFormatu;
        FBlok[FWBloku++] = bajt;
        return 0;
    }
    // The free part of the block, for decoders that write in bulk (inflate),
    // flushing first when the block is full; then Dopisano(n) for what they wrote.
    int32_t Miejsce(uint8_t*& wolne, size_t& ile);
    int32_t Dopisano(size_t ile);
    // Writes out what the block holds.
    int32_t Oproznij();

    uint32_t Crc() const { return FCrc; }
    uint64_t Zapisano() const { return FZapisano + FWBloku; }

private:
    ICelDanych& FCel;
    std::vector<uint8_t> FBlok;
    size_t FWBloku = 0;        // bytes in the block
    uint64_t FZapisano = 0;    // bytes written out before this block
    uint64_t FLimit;
    uint32_t FCrc = 0;
    std::function<void(int32_t)> FRaportBloku;
};

}  // namespace ramvel
