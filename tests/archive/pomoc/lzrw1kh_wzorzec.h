#pragma once
// The decoding algorithm step by step, one byte at a time, with the bounds of
// the real decoder: the yardstick its wide copies are compared against.
#include <cstddef>
#include <cstdint>

namespace ramvel::testy {

// Same contract and codes as Lzrw1KHDecompress (-1 too long, -2 cut, -3 before start).
inline int Lzrw1KHWzorzec(const uint8_t* zrodlo, uint8_t* cel, uint16_t dlugosc) {
    const size_t dl = dlugosc, piece = 32768;
    if (dl <= 1)
        return 0;
    if (zrodlo[0] == 0x80) {
        if (dl - 1 > piece)
            return -1;
        for (size_t i = 1; i < dl; ++i)
            cel[i - 1] = zrodlo[i];
        return static_cast<int>(dl - 1);
    }
    if (dl < 3)
        return -2;
    size_t r = 3, w = 0;
    unsigned slowo = (zrodlo[1] << 8) | zrodlo[2], bity = 16;
    while (r < dl) {
        if (bity == 0) {
            if (dl - r < 2)
                return -2;
            slowo = (zrodlo[r] << 8) | zrodlo[r + 1];
            r += 2;
            bity = 16;
            if (r >= dl)
                return -2;
        }
        if ((slowo & 0x8000) == 0) {
            if (w >= piece)
                return -1;
            cel[w++] = zrodlo[r++];
        } else {
            if (dl - r < 2)
                return -2;
            const size_t odstep = (size_t{zrodlo[r]} << 4) | (zrodlo[r + 1] >> 4);
            if (odstep != 0) {
                const size_t ile = (zrodlo[r + 1] & 0x0F) + 3u;
                if (odstep > w)
                    return -3;
                if (ile > piece - w)
                    return -1;
                for (size_t i = 0; i < ile; ++i, ++w)
                    cel[w] = cel[w - odstep];
                r += 2;
            } else {
                if (dl - r < 4)
                    return -2;
                const size_t ile = ((size_t{zrodlo[r + 1]} << 8) | zrodlo[r + 2]) + 16u;
                if (ile > piece - w)
                    return -1;
                for (size_t i = 0; i < ile; ++i)
                    cel[w++] = zrodlo[r + 3];
                r += 4;
            }
        }
        slowo = (slowo << 1) & 0xFFFF;
        --bity;
    }
    return static_cast<int>(w);
}

}  // namespace ramvel::testy
