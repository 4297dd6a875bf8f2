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

constexpr size_t kDlugoscKopiiMax = 18;

inline void Przenies16(uint8_t* cel, const uint8_t* zrodlo) { std::memcpy(cel, zrodlo, kSzerokosc); }
inline void Przenies8(uint8_t* cel, const uint8_t* zrodlo) { std::memcpy(cel, zrodlo, 8); }

// A copy of `ile` (3..18) bytes from `odstep` back, with the result of a copy
// one byte at a time. Moves of n bytes give the same result whenever n is at
// most the offset: what they read was written before. They may write up to 24
// bytes (18 when the offset is 16 or more), which the caller's bounds and the
// buffer's slack allow for.
inline void Kopiuj(uint8_t* cel, size_t odstep, size_t ile) {
    const uint8_t* z = cel - odstep;
    if (odstep >= kSzerokosc) {
        // Always 18 bytes: a branch on the length costs more than two bytes.
        Przenies16(cel, z);
        cel[16] = z[16];
        cel[17] = z[17];
    } else if (odstep >= 8) {
        Przenies8(cel, z);
        Przenies8(cel + 8, z + 8);
        if (ile > kSzerokosc)
            Przenies8(cel + 16, z + 16);
    } else {
        for (size_t i = 0; i < ile; ++i)
            cel[i] = z[i];
    }
}

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
        // The rest of this control word at full speed: no item of it can read
        // past the block (4 bytes at most, and 16 for a wide literal move) or
        // write past the piece (18 bytes at most) unless it is a run, which
        // is checked on its own and ends the stretch.
        if (dl - we >= 4 * size_t{bity} + kSzerokosc && kRozmiarKawalka - wy >= kDlugoscKopiiMax * size_t{bity}) {
            while (bity > 0) {
                if ((slowo & 0x8000) == 0) {
                    const unsigned zera = static_cast<unsigned>(std::countl_zero(static_cast<uint16_t>(slowo)));
                    const unsigned ile = zera < bity ? zera : bity;
                    Przenies16(cel + wy, zrodlo + we);
                    we += ile;
                    wy += ile;
                    slowo = (slowo << ile) & 0xFFFF;
                    bity -= ile;
                    continue;
                }
                const size_t odstep = (size_t{zrodlo[we]} << 4) | (zrodlo[we + 1] >> 4);
                slowo = (slowo << 1) & 0xFFFF;
                --bity;
                if (odstep == 0) {
                    const size_t ile = ((size_t{zrodlo[we + 1]} << 8) | zrodlo[we + 2]) + kDlugoscRunuMin;
                    if (ile > kRozmiarKawalka - wy)
                        return kLzrwZaDuzo;
                    std::memset(cel + wy, zrodlo[we + 3], ile);
                    we += 4;
                    wy += ile;
                    break;  // the room left may be less than the stretch assumed
                }
                const size_t ile = (zrodlo[we + 1] & 0x0F) + kDlugoscKopiiMin;
                if (odstep > wy)
                    return kLzrwPrzedPoczatkiem;
                Kopiuj(cel + wy, odstep, ile);
                we += 2;
                wy += ile;
            }
            continue;
        }
        if ((slowo & 0x8000) == 0) {
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
                Kopiuj(cel + wy, odstep, ile);
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
