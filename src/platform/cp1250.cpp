#include "platform/cp1250.h"

#include <array>

namespace ramvel {
namespace {

// Code points of bytes 0x80..0xFF.
constexpr std::array<char16_t, 128> kGornaPolowa = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021,
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

constexpr char32_t kZastepczy = 0xFFFD;

}  // namespace

char32_t NastepnyZnakUtf8(std::string_view tekst, size_t& pozycja) {
    const auto bajt = [&](size_t i) { return static_cast<unsigned char>(tekst[i]); };
    const unsigned char pierwszy = bajt(pozycja);
    size_t dlugosc;
    char32_t znak;
    if (pierwszy < 0x80) {
        ++pozycja;
        return pierwszy;
    } else if ((pierwszy & 0xE0) == 0xC0) {
        dlugosc = 2;
        znak = pierwszy & 0x1F;
    } else if ((pierwszy & 0xF0) == 0xE0) {
        dlugosc = 3;
        znak = pierwszy & 0x0F;
    } else if ((pierwszy & 0xF8) == 0xF0) {
        dlugosc = 4;
        znak = pierwszy & 0x07;
    } else {
        ++pozycja;
        return kZastepczy;
    }
    if (pozycja + dlugosc > tekst.size()) {
        ++pozycja;
        return kZastepczy;
    }
    for (size_t i = 1; i < dlugosc; ++i) {
        const unsigned char dalszy = bajt(pozycja + i);
        if ((dalszy & 0xC0) != 0x80) {
            ++pozycja;
            return kZastepczy;
        }
        znak = (znak << 6) | (dalszy & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF are not characters.
    static constexpr char32_t kNajmniejszy[5] = {0, 0, 0x80, 0x800, 0x10000};
    if (znak < kNajmniejszy[dlugosc] || znak > 0x10FFFF || (znak >= 0xD800 && znak <= 0xDFFF)) {
        ++pozycja;
        return kZastepczy;
    }
    pozycja += dlugosc;
    return znak;
}

void DopiszUtf8(std::string& cel, char32_t znak) {
    if (znak < 0x80) {
        cel += static_cast<char>(znak);
    } else if (znak < 0x800) {
        cel += static_cast<char>(0xC0 | (znak >> 6));
        cel += static_cast<char>(0x80 | (znak & 0x3F));
    } else if (znak < 0x10000) {
        cel += static_cast<char>(0xE0 | (znak >> 12));
        cel += static_cast<char>(0x80 | ((znak >> 6) & 0x3F));
        cel += static_cast<char>(0x80 | (znak & 0x3F));
    } else {
        cel += static_cast<char>(0xF0 | (znak >> 18));
        cel += static_cast<char>(0x80 | ((znak >> 12) & 0x3F));
        cel += static_cast<char>(0x80 | ((znak >> 6) & 0x3F));
        cel += static_cast<char>(0x80 | (znak & 0x3F));
    }
}

std::vector<char32_t> ZnakiUtf8(std::string_view tekst) {
    std::vector<char32_t> znaki;
    znaki.reserve(tekst.size());
    size_t pozycja = 0;
    while (pozycja < tekst.size())
        znaki.push_back(NastepnyZnakUtf8(tekst, pozycja));
    return znaki;
}

std::string Cp1250NaUtf8(std::string_view bajty) {
    std::string wynik;
    wynik.reserve(bajty.size() + bajty.size() / 4);
    for (const char c : bajty) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80)
            wynik += c;
        else
            DopiszUtf8(wynik, kGornaPolowa[b - 0x80]);
    }
    return wynik;
}

std::optional<std::string> Utf8NaCp1250(std::string_view tekst) {
    std::string wynik;
    wynik.reserve(tekst.size());
    size_t pozycja = 0;
    while (pozycja < tekst.size()) {
        const size_t poczatek = pozycja;
        const char32_t znak = NastepnyZnakUtf8(tekst, pozycja);
        if (znak < 0x80) {
            wynik += static_cast<char>(znak);
            continue;
        }
        if (znak == kZastepczy && !(pozycja - poczatek == 3 && tekst.substr(poczatek, 3) == "\xEF\xBF\xBD"))
            return std::nullopt;
        size_t indeks = 0;
        while (indeks < kGornaPolowa.size() && kGornaPolowa[indeks] != znak)
            ++indeks;
        if (indeks == kGornaPolowa.size())
            return std::nullopt;
        wynik += static_cast<char>(0x80 + indeks);
    }
    return wynik;
}

char32_t WielkaLitera(char32_t znak) {
    if (znak >= 'a' && znak <= 'z')
        return znak - 0x20;
    if (znak < 0x80)
        return znak;
    if (znak >= 0xE0 && znak <= 0xFE && znak != 0xF7)
        return znak - 0x20;
    if (znak == 0xFF)
        return 0x178;
    // Latin Extended-A pairs upper and lower case as neighbours; which of the
    // two comes first flips in the two runs of the block below.
    const bool nieparzystaMala = (znak >= 0x100 && znak <= 0x137 && znak != 0x130 && znak != 0x131) ||
                                 (znak >= 0x14A && znak <= 0x177);
    if (nieparzystaMala)
        return (znak & 1) ? znak - 1 : znak;
    const bool parzystaMala = (znak >= 0x139 && znak <= 0x148) || (znak >= 0x179 && znak <= 0x17E);
    if (parzystaMala)
        return (znak & 1) ? znak : znak - 1;
    return znak;
}

std::string WielkieLitery(std::string_view tekst) {
    std::string wynik;
    wynik.reserve(tekst.size());
    size_t pozycja = 0;
    while (pozycja < tekst.size()) {
        const size_t poczatek = pozycja;
        const char32_t znak = NastepnyZnakUtf8(tekst, pozycja);
        if (znak == kZastepczy)
            wynik.append(tekst.substr(poczatek, pozycja - poczatek));  // keep invalid bytes as they are
        else
            DopiszUtf8(wynik, WielkaLitera(znak));
    }
    return wynik;
}

}  // namespace ramvel
