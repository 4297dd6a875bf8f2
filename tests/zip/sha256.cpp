#include "sha256.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace ramvel::testy {
namespace {

uint32_t Obrot(uint32_t x, int n) { return (x >> n) | (x << (32 - n)); }

// The round constants and the initial state are the first 32 fraction bits of
// the cube roots of the first 64 primes and of the square roots of the first
// 8; computed rather than transcribed.
struct TStale {
    std::array<uint32_t, 64> K{};
    std::array<uint32_t, 8> H{};
    TStale() {
        int znalezione = 0;
        for (int n = 2; znalezione < 64; ++n) {
            bool pierwsza = true;
            for (int d = 2; d * d <= n; ++d)
                pierwsza = pierwsza && n % d != 0;
            if (!pierwsza)
                continue;
            const long double szescienny = std::cbrt(static_cast<long double>(n));
            K[znalezione] = static_cast<uint32_t>((szescienny - std::floor(szescienny)) * 4294967296.0L);
            if (znalezione < 8) {
                const long double kwadratowy = std::sqrt(static_cast<long double>(n));
                H[znalezione] = static_cast<uint32_t>((kwadratowy - std::floor(kwadratowy)) * 4294967296.0L);
            }
            ++znalezione;
        }
    }
};

void Blok(std::array<uint32_t, 8>& h, const uint8_t* p, const std::array<uint32_t, 64>& k) {
    uint32_t w[64];
    for (int i = 0; i < 16; ++i)
        w[i] = (uint32_t{p[4 * i]} << 24) | (uint32_t{p[4 * i + 1]} << 16) | (uint32_t{p[4 * i + 2]} << 8) | p[4 * i + 3];
    for (int i = 16; i < 64; ++i) {
        const uint32_t s0 = Obrot(w[i - 15], 7) ^ Obrot(w[i - 15], 18) ^ (w[i - 15] >> 3);
        const uint32_t s1 = Obrot(w[i - 2], 17) ^ Obrot(w[i - 2], 19) ^ (w[i - 2] >> 10);
        w[i] = w[i - 16] + s0 + w[i - 7] + s1;
    }
    uint32_t a = h[0], b = h[1], c = h[2], d = h[3], e = h[4], f = h[5], g = h[6], hh = h[7];
    for (int i = 0; i < 64; ++i) {
        const uint32_t t1 = hh + (Obrot(e, 6) ^ Obrot(e, 11) ^ Obrot(e, 25)) + ((e & f) ^ (~e & g)) + k[i] + w[i];
        const uint32_t t2 = (Obrot(a, 2) ^ Obrot(a, 13) ^ Obrot(a, 22)) + ((a & b) ^ (a & c) ^ (b & c));
        hh = g; g = f; f = e; e = d + t1; d = c; c = b; b = a; a = t1 + t2;
    }
    h[0] += a; h[1] += b; h[2] += c; h[3] += d; h[4] += e; h[5] += f; h[6] += g; h[7] += hh;
}

}  // namespace

std::string Sha256Hex(std::string_view dane) {
    static const TStale stale;
    std::array<uint32_t, 8> h = stale.H;
    std::string reszta(dane.substr(dane.size() / 64 * 64));
    for (size_t i = 0; i + 64 <= dane.size(); i += 64)
        Blok(h, reinterpret_cast<const uint8_t*>(dane.data()) + i, stale.K);
    const uint64_t bity = static_cast<uint64_t>(dane.size()) * 8;
    reszta += '\x80';
    while (reszta.size() % 64 != 56)
        reszta += '\0';
    for (int i = 7; i >= 0; --i)
        reszta += static_cast<char>(bity >> (8 * i));
    for (size_t i = 0; i < reszta.size(); i += 64)
        Blok(h, reinterpret_cast<const uint8_t*>(reszta.data()) + i, stale.K);
    std::string wynik;
    char cyfry[9];
    for (const uint32_t slowo : h) {
        std::snprintf(cyfry, sizeof cyfry, "%08x", slowo);
        wynik += cyfry;
    }
    return wynik;
}

}  // namespace ramvel::testy
