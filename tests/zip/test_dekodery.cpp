// The decoders on streams the tests make: every shape the format allows
// (shrink's code widths, KwKwK and partial clears; implode's windows, trees
// and long matches), and damaged data that must never pass for good.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

#include "archiwa_testowe.h"
#include "files/zip/dekompresja.h"
#include "files/zip/rozpakuj_archiwum.h"
#include "files/zip/zrodlo_zip.h"
#include "wspolne/testy.h"
#include "zapis_raportow.h"

namespace ramvel::testy {
namespace {

class TDoPamieci : public ICelDanych {
public:
    bool Zapisz(const uint8_t* dane, size_t ile) override {
        Dane.append(reinterpret_cast<const char*>(dane), ile);
        return true;
    }
    std::string Dane;
};

// Decodes `spakowane` with the method and returns the code; the output in `wynik`.
int32_t Dekoduj(uint16_t metoda, uint16_t flagi, const std::string& spakowane, uint64_t rozmiar, std::string& wynik,
                std::vector<int32_t>* bloki = nullptr) {
    TZrodloPamieci zrodlo(reinterpret_cast<const uint8_t*>(spakowane.data()), spakowane.size());
    TWejscieZip wejscie(zrodlo, 0, spakowane.size(), nullptr);
    TDoPamieci cel;
    TWyjscieZip wyjscie(cel, RozmiarBlokuMetody(metoda), rozmiar, [&](int32_t ile) {
        if (bloki)
            bloki->push_back(ile);
    });
    const int32_t kod = Dekompresuj(metoda, flagi, rozmiar, wejscie, wyjscie);
    wynik = cel.Dane;
    return kod;
}

// Text with a growing vocabulary: enough distinct strings to fill the shrink
// table several times over.
std::string Slownikowy(size_t dlugosc) {
    std::string wynik;
    uint32_t x = 12345;
    while (wynik.size() < dlugosc) {
        x = x * 1103515245u + 12345u;
        const unsigned slowo = (x >> 8) % (50 + static_cast<unsigned>(wynik.size() / 200));
        wynik += "w" + std::to_string(slowo * 7919 % 100003) + (slowo % 5 ? " " : ".\r\n");
    }
    wynik.resize(dlugosc);
    return wynik;
}

TEST(ZipShrink, SzerokosciKodowKwKwKICzyszczenia) {
    struct TPrzypadek {
        const char* Opis;
        std::string Dane;
        TTrybShrink Tryb;
        unsigned Szerokosc;  // the widest codes the stream reaches
        int Czyszczen;       // partial clears at least
    };
    const TPrzypadek przypadki[] = {
        {"pusty", "", TTrybShrink::KlasyczneLzw, 9, 0},
        {"jeden bajt", "A", TTrybShrink::KlasyczneLzw, 9, 0},
        {"KwKwK na powtórzeniach", std::string(5000, 'a'), TTrybShrink::KlasyczneLzw, 9, 0},
        {"kody do 13 bitów, tablica pełna", Slownikowy(300000), TTrybShrink::KlasyczneLzw, 13, 0},
        {"częściowe czyszczenia", Slownikowy(400000), TTrybShrink::ZCzyszczeniem, 13, 3},
        {"czyszczenia na powtórzeniach", std::string(100000, 'z') + Slownikowy(100000), TTrybShrink::ZCzyszczeniem, 13, 1},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.Opis);
        TPrzebiegShrink przebieg;
        const std::string spakowane = Shrink(p.Dane, p.Tryb, &przebieg);
        EXPECT_EQ(przebieg.NajwiekszaSzerokosc, p.Szerokosc);
        EXPECT_GE(przebieg.Czyszczen, p.Czyszczen);
        std::string wynik;
        std::vector<int32_t> bloki;
        ASSERT_EQ(Dekoduj(1, 0, spakowane, p.Dane.size(), wynik, &bloki), 0);
        EXPECT_TRUE(wynik == p.Dane);
        for (const int32_t blok : bloki)
            EXPECT_LE(blok, 767);
    }
}

TEST(ZipShrink, UszkodzoneDane) {
    // 9-bit codes, least significant bit first.
    const auto kody = [](std::vector<uint16_t> lista) {
        std::string bajty;
        uint32_t bufor = 0;
        unsigned bitow = 0;
        for (const uint16_t kod : lista) {
            bufor |= static_cast<uint32_t>(kod) << bitow;
            for (bitow += 9; bitow >= 8; bitow -= 8, bufor >>= 8)
                bajty += static_cast<char>(bufor & 0xFF);
        }
        if (bitow)
            bajty += static_cast<char>(bufor);
        return bajty;
    };
    struct TPrzypadek {
        const char* Opis;
        std::vector<uint16_t> Kody;
    };
    const TPrzypadek przypadki[] = {
        {"pierwszy kod nie literałem", {300, 65}},
        {"kod spoza tablicy", {65, 66, 400}},
        {"nieznane polecenie", {65, 256, 7, 66}},
        {"polecenie bez argumentu", {65, 256}},
    };
    for (const auto& p : przypadki) {
        std::string wynik;
        EXPECT_LT(Dekoduj(1, 0, kody(p.Kody), 100, wynik), 0) << p.Opis;
    }
}

TEST(ZipImplode, OknaDrzewaIDlugieDopasowania) {
    const std::string tekst = Slownikowy(12000);
    std::string powtorzenia = std::string(700, 'x') + tekst.substr(0, 3000) + std::string(400, 'y');
    powtorzenia += powtorzenia.substr(100, 5000);
    for (const uint16_t flagi : {0, 2, 4, 6}) {
        for (const auto& [opis, dane, odZera] : {std::tuple{"tekst", tekst.substr(0, 9000), false},
                                                 std::tuple{"długie dopasowania", powtorzenia, false},
                                                 std::tuple{"zera przed początkiem", std::string(1024, '\0'), true}}) {
            SCOPED_TRACE(std::string(opis) + " flagi " + std::to_string(flagi));
            std::string wynik;
            std::vector<int32_t> bloki;
            ASSERT_EQ(Dekoduj(6, flagi, Implode(dane, flagi, odZera), dane.size(), wynik, &bloki), 0);
            EXPECT_TRUE(wynik == dane);
            for (const int32_t blok : bloki)
                EXPECT_LE(blok, 32768);
        }
    }
}

TEST(ZipImplode, UszkodzoneDrzewa) {
    const std::string dobre = Implode("abcabcabc", 0);  // length tree, distance tree, data
    struct TPrzypadek {
        const char* Opis;
        std::string Dane;
    };
    const TPrzypadek przypadki[] = {
        // 63 symbols of 6 bits: the code is not complete.
        {"drzewo niepełne", std::string("\x03\xF5\xF5\xF5\xE5", 5) + dobre.substr(5)},
        // 64 symbols of 5 bits: oversubscribed.
        {"drzewo przepełnione", std::string("\x03\xF4\xF4\xF4\xF4", 5) + dobre.substr(5)},
        // more symbols than the tree has
        {"za dużo symboli", std::string("\x04\xF5\xF5\xF5\xF5\x05", 6) + dobre.substr(5)},
        {"ucięte drzewo", dobre.substr(0, 3)},
        {"ucięte dane", dobre.substr(0, 12)},
    };
    for (const auto& p : przypadki) {
        std::string wynik;
        const int32_t kod = Dekoduj(6, 0, p.Dane, 9, wynik);
        EXPECT_TRUE(kod == -4 || kod == -3) << p.Opis << ": " << kod;
    }
}

// Damaged copies of good archives: cut at every length and with bytes
// flipped. Nothing may crash, and no entry may be reported extracted unless
// its bytes are the original ones.
TEST(ZipUszkodzone, NigdySukcesZeZlaTrescia) {
    const std::string tekst = Slownikowy(6000);
    const std::vector<TWpisTestowy> wpisy = {
        {.Nazwa = "stored.txt", .Dane = tekst.substr(0, 700)},
        {.Nazwa = "deflate.txt", .Dane = tekst, .Metoda = 8},
        {.Nazwa = "shrink.txt", .Dane = tekst, .Metoda = 1, .Spakowane = Shrink(tekst, TTrybShrink::ZCzyszczeniem)},
        {.Nazwa = "implode.txt", .Dane = tekst.substr(0, 2000), .Metoda = 6, .Spakowane = Implode(tekst.substr(0, 2000), 6), .Flagi = 6},
        {.Nazwa = "dd.txt", .Dane = tekst.substr(0, 900), .Metoda = 8, .OpisPoDanych = true},
    };
    const std::string archiwum = ZbudujZip(wpisy);
    std::vector<std::string> warianty;
    for (size_t dlugosc = 0; dlugosc < archiwum.size(); dlugosc += 7)
        warianty.push_back(archiwum.substr(0, dlugosc));
    uint32_t x = 99;
    for (int i = 0; i < 600; ++i) {
        std::string zmieniony = archiwum;
        for (int j = 0; j < 1 + i % 3; ++j) {
            x = x * 1103515245u + 12345u;
            zmieniony[(x >> 8) % zmieniony.size()] ^= static_cast<char>(1u << ((x >> 4) % 8));
        }
        warianty.push_back(zmieniony);
    }
    TKatalogTymczasowy katalog;
    for (size_t i = 0; i < warianty.size(); ++i) {
        TZrodloPamieci zrodlo(reinterpret_cast<const uint8_t*>(warianty[i].data()), warianty[i].size());
        TDoPamieci nic;
        TZapisRaportow raporty;
        const std::string cel = katalog / std::to_string(i);
        RozpakujArchiwum(zrodlo, "wariant", cel, "*.*", raporty.Proc(), false);
        for (const auto& [sciezka, wynik] : raporty.Wyniki()) {
            if (wynik != -1002)
                continue;
            const std::string nazwa = sciezka.substr(cel.size() + 1);
            bool znany = false;
            for (const auto& w : wpisy)
                if (w.Nazwa == nazwa) {
                    znany = true;
                    EXPECT_TRUE(CzytajPlik(sciezka) == w.Dane) << "wariant " << i << ": " << nazwa;
                }
            // A flipped name is a new name; its content must still be one of the entries'.
            if (!znany) {
                const std::string tresc = CzytajPlik(sciezka);
                bool jakasPozycja = false;
                for (const auto& w : wpisy)
                    jakasPozycja = jakasPozycja || tresc == w.Dane;
                EXPECT_TRUE(jakasPozycja) << "wariant " << i << ": " << nazwa;
            }
        }
    }
}

}  // namespace
}  // namespace ramvel::testy
