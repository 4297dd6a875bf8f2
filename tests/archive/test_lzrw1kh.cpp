// The block decoder: the codec's published examples as literal bytes, every
// form of block, damaged blocks, and round trips through the test coder.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "archive/kvr/lzrw1kh.h"
#include "archive/pomoc/koder_lzrw1kh.h"
#include "archive/pomoc/lzrw1kh_wzorzec.h"

namespace ramvel {
namespace {

using Bajty = std::vector<uint8_t>;

// The decoder's result as the bytes it produced, or the negative code.
struct TWynik {
    int Kod;
    Bajty Dane;
};

TWynik Dekoduj(const Bajty& blok) {
    Bajty cel(kRozmiarBuforaBloku, 0xCC);
    const int kod = Lzrw1KHDecompress(blok.data(), cel.data(), static_cast<uint16_t>(blok.size()));
    return {kod, kod >= 0 ? Bajty(cel.begin(), cel.begin() + kod) : Bajty()};
}

Bajty Powtorz(uint8_t bajt, size_t ile) { return Bajty(ile, bajt); }

Bajty Tekst(const std::string& s) { return Bajty(s.begin(), s.end()); }

struct TPrzyklad {
    const char* Opis;
    Bajty Blok;
    Bajty Oczekiwane;
};

TEST(Lzrw1KH, PrzykladyDekodujaSieDoOpisanychBajtow) {
    const std::vector<TPrzyklad> przyklady = {
        {"literal A i kopia odstep 1 dlugosc 18", {0x40, 0x40, 0x00, 0x41, 0x00, 0x1F}, Powtorz(0x41, 19)},
        {"literaly x y i kopia odstep 2 dlugosc 6", {0x41, 0x20, 0x00, 0x78, 0x79, 0x00, 0x23}, Tekst("xyxyxyxy")},
        {"run 4111 spacji", {0x40, 0x80, 0x00, 0x00, 0x0F, 0xFF, 0x20}, Powtorz(0x20, 4111)},
        {"run 16 spacji", {0x40, 0x80, 0x00, 0x00, 0x00, 0x00, 0x20}, Powtorz(0x20, 16)},
        {"pusty blok", {}, {}},
        {"sam bajt 0x80", {0x80}, {}},
        {"jeden dowolny bajt", {0x41}, {}},
        {"kopia zapisana", {0x80, 1, 2, 3}, {1, 2, 3}},
        {"forma 0x41 jest kodowana", {0x41, 0x00, 0x00, 'a', 'b'}, Tekst("ab")},
        {"forma 0x00 jest kodowana", {0x00, 0x00, 0x00, 'z'}, Tekst("z")},
        {"tylko slowo sterujace", {0x40, 0x00, 0x00}, {}},
    };
    for (const auto& p : przyklady) {
        const TWynik wynik = Dekoduj(p.Blok);
        EXPECT_EQ(wynik.Kod, static_cast<int>(p.Oczekiwane.size())) << p.Opis;
        EXPECT_EQ(wynik.Dane, p.Oczekiwane) << p.Opis;
    }
}

TEST(Lzrw1KH, KopiaZapisanaPelnegoKawalka) {
    Bajty blok{0x80};
    for (size_t i = 0; i < kRozmiarKawalka; ++i)
        blok.push_back(static_cast<uint8_t>(i * 7));
    const TWynik wynik = Dekoduj(blok);
    ASSERT_EQ(wynik.Kod, 32768);
    EXPECT_EQ(wynik.Dane, Bajty(blok.begin() + 1, blok.end()));
}

TEST(Lzrw1KH, SiedemnastyElementMaWlasneSlowoSterujace) {
    // Sixteen literals need one control word; the 17th item (a copy) stands
    // after a second one.
    Bajty szesnascie{0x40, 0x00, 0x00};
    for (int i = 0; i < 16; ++i)
        szesnascie.push_back(static_cast<uint8_t>('a' + i));
    EXPECT_EQ(Dekoduj(szesnascie).Dane, Tekst("abcdefghijklmnop"));

    Bajty siedemnascie = szesnascie;
    siedemnascie.insert(siedemnascie.end(), {0x80, 0x00, 0x01, 0x00});  // copy: offset 16, length 3
    EXPECT_EQ(Dekoduj(siedemnascie).Dane, Tekst("abcdefghijklmnopabc"));
}

TEST(Lzrw1KH, UszkodzonyBlokJestOdrzucany) {
    Bajty runPozaKawalek{0x40, 0xFF, 0xFF};
    for (int i = 0; i < 8; ++i)  // 8 runs of 4,111 bytes = 32,888 > 32,768
        runPozaKawalek.insert(runPozaKawalek.end(), {0x00, 0x0F, 0xFF, 0x55});
    const std::vector<std::pair<const char*, std::pair<Bajty, int>>> przypadki = {
        {"kopia sprzed poczatku", {{0x40, 0x40, 0x00, 0x41, 0x00, 0x2F}, kLzrwPrzedPoczatkiem}},
        {"kopia bez wyjscia", {{0x40, 0x80, 0x00, 0x00, 0x1F}, kLzrwPrzedPoczatkiem}},
        {"kopia ucieta", {{0x40, 0x80, 0x00, 0x00}, kLzrwUcietyBlok}},
        {"run uciety", {{0x40, 0x80, 0x00, 0x00, 0x0F, 0xFF}, kLzrwUcietyBlok}},
        {"pierwsze slowo uciete", {{0x40, 0x00}, kLzrwUcietyBlok}},
        {"slowo bez elementu", {{0x40, 0x00, 0x00, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 0, 0}, kLzrwUcietyBlok}},
        {"polowa slowa", {{0x40, 0x00, 0x00, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 0}, kLzrwUcietyBlok}},
        {"runy poza kawalek", {runPozaKawalek, kLzrwZaDuzo}},
    };
    for (const auto& [opis, przypadek] : przypadki)
        EXPECT_EQ(Dekoduj(przypadek.first).Kod, przypadek.second) << opis;

    Bajty zaDlugaKopia(32770, 0x11);
    zaDlugaKopia[0] = 0x80;
    EXPECT_EQ(Dekoduj(zaDlugaKopia).Kod, kLzrwZaDuzo);
}

TEST(Lzrw1KH, LiteralyPozaKawalekSaOdrzucane) {
    // A run to 32,760 bytes, then 16 literals: the 9th would be byte 32,769.
    Bajty blok{0x40, 0xFF, 0xFF};
    for (int i = 0; i < 7; ++i)
        blok.insert(blok.end(), {0x00, 0x0F, 0xFF, 0x01});  // 7 x 4,111 = 28,777
    blok.insert(blok.end(), {0x00, 0x0F, 0x7F, 0x02});      // 3,983 more: 32,760
    for (int i = 0; i < 8; ++i)
        blok.insert(blok.end(), {0x00, 0x00, 0x00, 0x03});  // would pass 32,768 at once
    EXPECT_EQ(Dekoduj(blok).Kod, kLzrwZaDuzo);

    // Control word 0xFF00: eight runs to 32,760 bytes, then eight literals
    // that fill the piece exactly.
    Bajty literaly{0x40, 0xFF, 0x00};
    for (int i = 0; i < 7; ++i)
        literaly.insert(literaly.end(), {0x00, 0x0F, 0xFF, 0x01});
    literaly.insert(literaly.end(), {0x00, 0x0F, 0x7F, 0x02});
    for (int i = 0; i < 8; ++i)
        literaly.push_back(static_cast<uint8_t>(i));
    const TWynik pelny = Dekoduj(literaly);
    ASSERT_EQ(pelny.Kod, 32768);
    // One literal more, under a second control word, is one too many; also
    // when it comes with enough input for a wide move.
    Bajty jedenZaDuzo = literaly;
    jedenZaDuzo.insert(jedenZaDuzo.end(), {0x00, 0x00, 0x09});
    EXPECT_EQ(Dekoduj(jedenZaDuzo).Kod, kLzrwZaDuzo);
    jedenZaDuzo.insert(jedenZaDuzo.end(), 20, 0x09);
    EXPECT_EQ(Dekoduj(jedenZaDuzo).Kod, kLzrwZaDuzo);
    EXPECT_EQ(pelny.Dane.back(), 7);
}

// Pieces of the kinds archives hold.
std::vector<std::pair<std::string, Bajty>> RodzajeDanych() {
    std::mt19937 los(12345);
    std::vector<std::pair<std::string, Bajty>> dane;
    Bajty tekst;
    const char* slowa[] = {"faktura ", "kontrahent ", "Łódź ", "zaliczka ", "VAT ", "2021-03-14 ", "\r\n"};
    while (tekst.size() < kRozmiarKawalka)
        for (const char c : std::string(slowa[los() % 7]))
            tekst.push_back(static_cast<uint8_t>(c));
    tekst.resize(kRozmiarKawalka);
    dane.emplace_back("tekst", tekst);
    Bajty strony(kRozmiarKawalka, 0);
    for (size_t i = 0; i < strony.size(); i += 4096)
        for (size_t j = 0; j < 300; ++j)
            strony[i + j] = static_cast<uint8_t>(los() % 16);
    dane.emplace_back("strony bazy", strony);
    Bajty losowe(kRozmiarKawalka);
    for (auto& b : losowe)
        b = static_cast<uint8_t>(los());
    dane.emplace_back("losowe", losowe);
    dane.emplace_back("zera", Bajty(kRozmiarKawalka, 0));
    Bajty wzor;
    for (size_t i = 0; i < kRozmiarKawalka; ++i)
        wzor.push_back(static_cast<uint8_t>("abc"[i % 3]));
    dane.emplace_back("wzor krotki", wzor);
    return dane;
}

TEST(Lzrw1KH, ZakodowaneKawalkiWracajaBezZmian) {
    for (const auto& [opis, kawalek] : RodzajeDanych()) {
        for (const size_t ile : {size_t{0}, size_t{1}, size_t{2}, size_t{17}, size_t{4111}, size_t{32767}, kRozmiarKawalka}) {
            for (const bool runy : {true, false}) {
                testy::TOpcjeKodera opcje;
                opcje.Runy = runy;
                const Bajty blok = testy::KodujLzrw1KH(kawalek.data(), ile, opcje);
                ASSERT_LE(blok.size(), 32769u);
                const TWynik wynik = Dekoduj(blok);
                ASSERT_EQ(wynik.Kod, static_cast<int>(ile)) << opis << " " << ile;
                EXPECT_TRUE(std::equal(wynik.Dane.begin(), wynik.Dane.end(), kawalek.begin())) << opis << " " << ile;
            }
        }
    }
}

TEST(Lzrw1KH, KoderSiegaGranicFormatu) {
    // Zeros: runs of 4,111 (7 bytes per run); random bytes: the stored form.
    const Bajty zera(kRozmiarKawalka, 0);
    const Bajty blok = testy::KodujLzrw1KH(zera.data(), zera.size());
    EXPECT_LT(blok.size(), 60u);
    EXPECT_EQ(blok[3], 0x00);
    EXPECT_EQ(blok[4], 0x0F);
    EXPECT_EQ(blok[5], 0xFF);
    const auto dane = RodzajeDanych();
    EXPECT_EQ(testy::KodujLzrw1KH(dane[2].second.data(), kRozmiarKawalka)[0], 0x80);
    // A pattern with a period of 4,095 is coded as copies from 4,095 back.
    Bajty okres;
    std::mt19937 los(7);
    for (size_t i = 0; i < 4095; ++i)
        okres.push_back(static_cast<uint8_t>(los()));
    for (size_t i = 0; okres.size() < 12000; ++i)
        okres.push_back(okres[i]);
    const Bajty kopie = testy::KodujLzrw1KH(okres.data(), okres.size());
    EXPECT_LT(kopie.size(), 4095 + 4095 / 8 + 2000u);
    EXPECT_EQ(Dekoduj(kopie).Dane, okres);
}

TEST(Lzrw1KH, SzerokieKopieDajaToSamoCoKrokPoKroku) {
    // Blocks of random items: the decoder and the one-byte-at-a-time
    // yardstick agree on every byte and every code.
    std::mt19937 los(2024);
    for (int proba = 0; proba < 20000; ++proba) {
        Bajty blok{static_cast<uint8_t>(los() % 2 ? 0x40 : 0x80)};
        const size_t dlugosc = los() % 200;
        const unsigned tryb = los() % 4;
        for (size_t i = 0; i < dlugosc; ++i) {
            uint8_t b = static_cast<uint8_t>(los());
            if (tryb == 1 && i % 3 == 0)
                b &= 0x0F;  // many runs and short offsets
            if (tryb == 2)
                b = static_cast<uint8_t>(los() % 2 ? 0 : b);
            blok.push_back(b);
        }
        if (los() % 4 == 0)
            blok[0] = static_cast<uint8_t>(los());
        Bajty a(kRozmiarBuforaBloku), b(kRozmiarBuforaBloku);
        const auto dl = static_cast<uint16_t>(blok.size());
        const int kodA = Lzrw1KHDecompress(blok.data(), a.data(), dl);
        const int kodB = testy::Lzrw1KHWzorzec(blok.data(), b.data(), dl);
        ASSERT_EQ(kodA, kodB) << "próba " << proba;
        if (kodA > 0) {
            ASSERT_TRUE(std::equal(a.begin(), a.begin() + kodA, b.begin())) << "próba " << proba;
        }
    }
}

}  // namespace
}  // namespace ramvel
