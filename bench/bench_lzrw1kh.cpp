// Decode throughput of Lzrw1KHDecompress as a fraction of memcpy of the same
// output in the same run, against two memcpy peers:
//  - "memcpy bloku": every piece copied into the one block buffer of 32,784
//    bytes that the engine decodes into, as the decoder writes it (the buffer
//    stays in the cache, so this is the copy at cache speed);
//  - "memcpy całości": the whole output copied into a buffer of its own size
//    (the copy at memory speed).
#include <chrono>
#include <cstdlib>
#include <functional>
#include <cstdio>
#include <cstring>
#include <vector>

#include "archive/kvr/lzrw1kh.h"
#include "archive/pomoc/koder_lzrw1kh.h"
#include "dane_testowe.h"

namespace {

using Zegar = std::chrono::steady_clock;
constexpr size_t kDane = 32u << 20;  // 32 MB of each kind
constexpr int kProby = 7;

struct TRodzaj {
    const char* Nazwa;
    std::string Dane;
};

double Najlepszy(const std::function<uint64_t()>& praca, uint64_t& suma) {
    double najlepszy = 1e30;
    for (int i = 0; i < kProby; ++i) {
        const auto start = Zegar::now();
        suma += praca();
        najlepszy = std::min(najlepszy, std::chrono::duration<double>(Zegar::now() - start).count());
    }
    return najlepszy;
}

}  // namespace

int main() {
    using namespace ramvel;
    std::vector<TRodzaj> rodzaje = {{"tekst", bench::Tekst(kDane, 1)},
                                    {"strony bazy", bench::StronyBazy(kDane, 2)},
                                    {"losowe", bench::Losowe(kDane, 3)},
                                    {"zera", std::string(kDane, '\0')}};
    std::printf("%-12s %8s %13s %15s %8s %15s %8s\n", "dane", "stopień", "dekoder", "memcpy bloku", "ułamek",
                "memcpy całości", "ułamek");
    std::vector<uint8_t> calosc(kDane, 1);
    std::vector<uint8_t> bufor(kRozmiarBuforaBloku);
    uint64_t suma = 0;
    for (const auto& rodzaj : rodzaje) {
        const auto* zrodlo = reinterpret_cast<const uint8_t*>(rodzaj.Dane.data());
        std::vector<std::vector<uint8_t>> bloki;
        size_t zakodowane = 0;
        for (size_t p = 0; p < rodzaj.Dane.size(); p += kRozmiarKawalka) {
            bloki.push_back(testy::KodujLzrw1KH(zrodlo + p, kRozmiarKawalka));
            zakodowane += bloki.back().size();
        }
        const double dekoder = Najlepszy(
            [&] {
                uint64_t s = 0;
                for (const auto& blok : bloki) {
                    const int n = Lzrw1KHDecompress(blok.data(), bufor.data(), static_cast<uint16_t>(blok.size()));
                    if (n != static_cast<int>(kRozmiarKawalka))
                        std::abort();
                    s += bufor[static_cast<size_t>(n) - 1];
                }
                return s;
            },
            suma);
        const double kopia = Najlepszy(
            [&] {
                uint64_t s = 0;
                for (size_t p = 0; p < rodzaj.Dane.size(); p += kRozmiarKawalka) {
                    std::memcpy(bufor.data(), zrodlo + p, kRozmiarKawalka);
                    s += bufor[kRozmiarKawalka - 1];
                }
                return s;
            },
            suma);
        const double kopiaCalosci = Najlepszy(
            [&] {
                std::memcpy(calosc.data(), zrodlo, kDane);
                return uint64_t{calosc[kDane / 2]};
            },
            suma);
        const double mb = static_cast<double>(rodzaj.Dane.size()) / (1 << 20);
        std::printf("%-12s %7.1f%% %8.0f MB/s %10.0f MB/s %7.1f%% %10.0f MB/s %7.1f%%\n", rodzaj.Nazwa,
                    100.0 * static_cast<double>(zakodowane) / static_cast<double>(rodzaj.Dane.size()), mb / dekoder,
                    mb / kopia, 100.0 * kopia / dekoder, mb / kopiaCalosci, 100.0 * kopiaCalosci / dekoder);
    }
    std::fprintf(stderr, "(suma kontrolna %llu)\n", static_cast<unsigned long long>(suma));
    return 0;
}
