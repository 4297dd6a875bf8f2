#include "archive/pomoc/koder_lzrw1kh.h"

#include <array>

namespace ramvel::testy {
namespace {

constexpr size_t kRunMin = 16, kRunMax = 4111;
constexpr size_t kKopiaMin = 3, kKopiaMax = 18, kOdstepMax = 4095;

// Items are gathered sixteen to a control word; the word is written in front
// of its first item, and only once an item follows.
class TWyjscie {
public:
    void Element(bool kopiaLubRun, std::initializer_list<uint8_t> bajty) {
        if (FBity == 16) {
            Zamknij();
            FMiejsceSlowa = FBlok.size();
            FBlok.push_back(0);
            FBlok.push_back(0);
            FBity = 0;
            FSlowo = 0;
        }
        FSlowo = static_cast<uint16_t>(FSlowo | (kopiaLubRun ? 0x8000u >> FBity : 0));
        ++FBity;
        FBlok.insert(FBlok.end(), bajty);
    }
    std::vector<uint8_t> Koniec() {
        Zamknij();
        return std::move(FBlok);
    }
    explicit TWyjscie(uint8_t forma) {
        FBlok.push_back(forma);
        FBlok.push_back(0);
        FBlok.push_back(0);
        FMiejsceSlowa = 1;
        FBity = 0;
    }

private:
    void Zamknij() {
        FBlok[FMiejsceSlowa] = static_cast<uint8_t>(FSlowo >> 8);
        FBlok[FMiejsceSlowa + 1] = static_cast<uint8_t>(FSlowo);
    }
    std::vector<uint8_t> FBlok;
    size_t FMiejsceSlowa = 1;
    unsigned FBity = 0;
    uint16_t FSlowo = 0;
};

}  // namespace

std::vector<uint8_t> KodujLzrw1KH(const uint8_t* dane, size_t ile, const TOpcjeKodera& opcje) {
    TWyjscie wyjscie(opcje.Forma);
    // The last position of every 3-byte prefix seen, by a 12-bit hash.
    std::array<int64_t, 4096> ostatnie;
    ostatnie.fill(-1);
    const auto skrot = [&](size_t i) {
        return ((dane[i] * 40543u) ^ (dane[i + 1] * 331u) ^ dane[i + 2]) & 0xFFF;
    };
    size_t x = 0;
    while (x < ile) {
        size_t run = 1;
        while (x + run < ile && run < kRunMax && dane[x + run] == dane[x])
            ++run;
        if (opcje.Runy && run >= kRunMin) {
            const size_t n = run - kRunMin;
            wyjscie.Element(true, {0, static_cast<uint8_t>(n >> 8), static_cast<uint8_t>(n & 0xFF), dane[x]});
            x += run;
            continue;
        }
        size_t dlugosc = 0, odstep = 0;
        if (opcje.Kopie && x + kKopiaMin <= ile) {
            const unsigned h = skrot(x);
            const int64_t kandydat = ostatnie[h];
            ostatnie[h] = static_cast<int64_t>(x);
            if (kandydat >= 0 && x - static_cast<size_t>(kandydat) <= kOdstepMax) {
                const size_t p = static_cast<size_t>(kandydat);
                while (dlugosc < kKopiaMax && x + dlugosc < ile && dane[p + dlugosc] == dane[x + dlugosc])
                    ++dlugosc;
                odstep = x - p;
            }
        }
        if (dlugosc >= kKopiaMin) {
            wyjscie.Element(true, {static_cast<uint8_t>(odstep >> 4),
                                   static_cast<uint8_t>(((odstep & 0x0F) << 4) | (dlugosc - kKopiaMin))});
            for (size_t i = 1; i < dlugosc && x + i + kKopiaMin <= ile; ++i)
                ostatnie[skrot(x + i)] = static_cast<int64_t>(x + i);
            x += dlugosc;
        } else {
            wyjscie.Element(false, {dane[x]});
            ++x;
        }
    }
    std::vector<uint8_t> blok = wyjscie.Koniec();
    if (blok.size() > ile && !opcje.ZawszeKoduj) {
        blok.assign(1, 0x80);
        blok.insert(blok.end(), dane, dane + ile);
    }
    return blok;
}

}  // namespace ramvel::testy
