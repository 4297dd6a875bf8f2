#include "archive/kvr/lzrw1kh.h"

#include <bit>
#include <cstring>

namespace ramvel {
namespace {

// Format notes:
// - Byte 0 is the form: 0x80 means the rest is the piece as it is (the coder
//   falls back to it when coding does not pay); any other value is a coded block.
// - A coded block has a big-endian control word at bytes 1-2; its bits, from the
//   top, say for the next 16 items whether each is a literal (0) or a copy/run
//   (1). The next control word stands right before the 17th item. The coder
//   writes a control word only when an item follows, so a block never ends with
//   one; the last word's spare bits are zero and are not read.
// - A copy is two bytes: a 12-bit offset (1..4,095 back) and a 4-bit length - 3.
//   Offset 0 marks a run instead: 12 bits of count - 16 and the byte to repeat.
// - Copies go byte by byte in increasing order: a length above the offset
//   repeats the last `offset` bytes, which is how short patterns are coded.
constexpr uint8_t kFormaKopia = 0x80;
constexpr size_t kDlugoscKopiiMin = 3;
constexpr size_t kDlugoscRunuMin = 16;
// The wide moves below copy this many bytes at once; the buffer's slack above a
// piece (kRozmiarBuforaBloku - kRozmiarKawalka) takes the overrun.
constexpr size_t kSzerokosc = 16;
static_assert(kRozmiarBuforaBloku - kRozmiarKawalka >= kSzerokosc);

inline void Przenies16(uint8_t* cel, const uint8_t* zrodlo) { std::memcpy(cel, zrodlo, kSzerokosc); }

}  // namespace

int Lzrw1KHDecompress(const uint8_t* zrodlo, uint8_t* cel, uint16_t dlugosc) {
    const size_t dl = dlugosc;  // bytes of the block: nothing at or past it is read
    if (dl <= 1)
        return 0;
    if (zrodlo[0] == kFormaKopia) {
        if (dl - 1 > kRozmiarKawalka)
            return kLzrwZaDuzo;
        std::memcpy(cel, zrodlo + 1, dl - 1);
        return static_cast<int>(dl - 1);
    }
    if (dl < 3)
        return kLzrwUcietyBlok;  // the first control word is cut

    size_t we = 3;   // read position in the block
    size_t wy = 0;   // bytes decoded so far
    uint32_t slowo = (uint32_t{zrodlo[1]} << 8) | zrodlo[2];  // control bits, the next one at bit 15
    unsigned bity = 16;  // control bits left in `slowo`

    while (we < dl) {
        if (bity == 0) {
            if (dl - we < 2)
                return kLzrwUcietyBlok;
            slowo = (uint32_t{zrodlo[we]} << 8) | zrodlo[we + 1];
            we += 2;
            bity = 16;
            if (we >= dl)
                return kLzrwUcietyBlok;  // a control word with no item after it
        }
        if ((slowo & 0x8000) == 0) {
            // A stretch of literals: as many as the control word's leading zeros.
            // With 16 bytes of input left and room below the piece's end they go
            // in one wide move; the rest of the move is scratch.
            const unsigned zera = static_cast<unsigned>(std::countl_zero(static_cast<uint16_t>(slowo)));
            const unsigned ile = zera < bity ? zera : bity;
            if (dl - we >= kSzerokosc && kRozmiarKawalka - wy >= ile) {
                Przenies16(cel + wy, zrodlo + we);
                we += ile;
                wy += ile;
                slowo = (slowo << ile) & 0xFFFF;
                bity -= ile;
                continue;
            }
            if (wy >= kRozmiarKawalka)
                return kLzrwZaDuzo;
            cel[wy++] = zrodlo[we++];
        } else {
            if (dl - we < 2)
                return kLzrwUcietyBlok;
            const size_t odstep = (size_t{zrodlo[we]} << 4) | (zrodlo[we + 1] >> 4);
            if (odstep != 0) {
                const size_t ile = (zrodlo[we + 1] & 0x0F) + kDlugoscKopiiMin;
                if (odstep > wy)
                    return kLzrwPrzedPoczatkiem;
                if (ile > kRozmiarKawalka - wy)
                    return kLzrwZaDuzo;
                uint8_t* do_ = cel + wy;
                const uint8_t* z = do_ - odstep;
                size_t i = 0;
                if (odstep >= kSzerokosc) {
                    // The first 16 bytes lie wholly before the output point.
                    Przenies16(do_, z);
                    i = kSzerokosc;
                }
                for (; i < ile; ++i)
                    do_[i] = z[i];
                we += 2;
                wy += ile;
            } else {
                if (dl - we < 4)
                    return kLzrwUcietyBlok;
                const size_t ile = ((size_t{zrodlo[we + 1]} << 8) | zrodlo[we + 2]) + kDlugoscRunuMin;
                if (ile > kRozmiarKawalka - wy)
                    return kLzrwZaDuzo;
                std::memset(cel + wy, zrodlo[we + 3], ile);
                we += 4;
                wy += ile;
            }
        }
        slowo = (slowo << 1) & 0xFFFF;
        --bity;
    }
    return static_cast<int>(wy);
}

}  // namespace ramvel
