// The format over volumes: names of volumes, the logical stream across cuts,
// the version rule, entries with and without dates, the two valid ends, and
// every kind of damage ending as a failure.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <random>

#include "archive/kvr/czytnik_kvr.h"
#include "archive/kvr/paczki.h"
#include "archive/kvr/przeglad_kvr.h"
#include "archive/pomoc/zapis_kvr.h"

namespace ramvel {
namespace {

using testy::TZapisKvr;
using ::testing::HasSubstr;
using namespace std::string_literals;

TEST(NazwaNastepnejPaczki, RegulaNumeracji) {
    const std::vector<std::pair<std::string, std::string>> przypadki = {
        {"/k/X.KVP", "/k/X.s00"}, {"/k/X.kvp", "/k/X.s00"}, {"/k/X.s00", "/k/X.s01"},
        {"/k/X.s09", "/k/X.s10"}, {"/k/X.s98", "/k/X.s99"}, {"/k/X.ABC", "/k/X.s01"},
        {"/k.d/X", "/k.d/X.s01"}, {"C:\\kopie\\X.KVP", "C:\\kopie\\X.s00"},
        // The number is cut to two digits: after .s99 the names repeat, which
        // is why the reader counts volumes instead.
        {"/k/X.s99", "/k/X.s10"},
    };
    for (const auto& [nazwa, nastepna] : przypadki)
        EXPECT_EQ(NazwaNastepnejPaczki(nazwa), nastepna) << nazwa;
}

TPaczkiWPamieci Paczki(const std::string& strumien, size_t rozmiar, const std::string& pierwsza = "X.KVP") {
    TPaczkiWPamieci paczki;
    std::string nazwa = pierwsza;
    for (const auto& paczka : testy::Potnij(strumien, rozmiar)) {
        paczki.Dodaj(nazwa, paczka);
        nazwa = NazwaNastepnejPaczki(nazwa);
    }
    return paczki;
}

struct TPrzeglad {
    std::vector<std::string> Wpisy;  // "name size decoded date"
    std::string Blad;                // '' for a whole archive
    std::vector<std::string> Paczki; // volumes in the order they were entered
};

TPrzeglad Przejdz(IZrodloPaczek& zrodlo, const std::string& pierwsza = "X.KVP") {
    TPrzeglad wynik;
    TCzytnikArchiwum czytnik(zrodlo, pierwsza);
    czytnik.PoZmianiePaczki = [&](const std::string& nazwa) { wynik.Paczki.push_back(nazwa); };
    try {
        PrzejdzArchiwum(czytnik, [&](const TWpisKvr& wpis, int64_t razem) {
            wynik.Wpisy.push_back(wpis.Nazwa + " " + std::to_string(wpis.RozmiarPliku) + " " + std::to_string(razem) +
                                  " " + (wpis.MaDate ? std::to_string(wpis.DataDos) : "-"));
        });
    } catch (const EUszkodzoneArchiwum& blad) {
        wynik.Blad = blad.what();
    }
    return wynik;
}

TPrzeglad Przejdz(const std::string& strumien, size_t rozmiarPaczki = 1 << 30) {
    auto paczki = Paczki(strumien, rozmiarPaczki);
    return Przejdz(paczki);
}

std::string Dane(size_t ile, unsigned ziarno) {
    std::mt19937 los(ziarno);
    std::string dane;
    while (dane.size() < ile)
        dane += "wiersz " + std::to_string(los() % 1000) + ";";
    dane.resize(ile);
    return dane;
}

TEST(FormatKvr, RegulaWersji) {
    struct TPrzypadek {
        std::string Wersja;
        const char* Blad;  // nullptr: accepted
        bool ZDatami;
    };
    const std::vector<TPrzypadek> przypadki = {
        {"@101@", nullptr, true},
        {"@100@", nullptr, false},
        {"@001@", nullptr, false},
        {"@102@", "nowszą wersją", false},
        {"@099@", "nowszą wersją", false},
        {"A101@", "nowszą wersją", false},
    };
    for (const auto& p : przypadki) {
        const auto wynik = Przejdz(TZapisKvr(p.Wersja).Plik("A.TXT", "abc").Terminator().Bajty());
        if (p.Blad) {
            EXPECT_THAT(wynik.Blad, HasSubstr(p.Blad)) << p.Wersja;
            continue;
        }
        EXPECT_EQ(wynik.Blad, "") << p.Wersja;
        ASSERT_EQ(wynik.Wpisy.size(), 1u) << p.Wersja;
        EXPECT_EQ(wynik.Wpisy[0], "A.TXT 3 3 " + (p.ZDatami ? std::to_string(testy::TOpcjePliku{}.Data) : "-"));
    }
}

TEST(FormatKvr, ZlaSygnaturaIUcietyNaglowek) {
    for (const std::string bajty : {"K#V#X@101@", "", "K#V#", "K#V#R@10"})
        EXPECT_THAT(Przejdz(bajty).Blad, HasSubstr("nie jest prawidłowym archiwum KVR")) << bajty;
}

TEST(FormatKvr, DwaPoprawneKonceArchiwum) {
    const std::string dane = Dane(70000, 1);
    TZapisKvr zapis;
    zapis.Plik("DANE\\FIRMA.GBK", dane).Plik("MALY.TXT", "m");
    // Without a terminator the archive ends where the stream does.
    const auto bez = Przejdz(zapis.Bajty());
    EXPECT_EQ(bez.Blad, "");
    EXPECT_EQ(bez.Wpisy.size(), 2u);
    zapis.Terminator().Plik("ZA_TERMINATOREM.TXT", "nie czytać");
    const auto z = Przejdz(zapis.Bajty());
    EXPECT_EQ(z.Blad, "");
    EXPECT_EQ(z.Wpisy, bez.Wpisy);
    EXPECT_EQ(Przejdz(TZapisKvr().Terminator().Bajty()).Wpisy.size(), 0u);
}

TEST(FormatKvr, PlikRownyKawalkowiMaPustyBlokNaKoncu) {
    const std::string dane = Dane(32768, 2);
    const std::string bajty = TZapisKvr().Plik("A", dane).Bajty();
    // header 10, size 4, name length 4 + 1, date 4; then the full block, then
    // a block of length 1 (0x80) and the end marker.
    ASSERT_EQ(bajty.substr(bajty.size() - 5), std::string("\x01\x00\x80\x00\x00", 5));
    const auto wynik = Przejdz(bajty);
    EXPECT_EQ(wynik.Blad, "");
    EXPECT_EQ(wynik.Wpisy, std::vector<std::string>{"A 32768 32768 " + std::to_string(testy::TOpcjePliku{}.Data)});
}

TEST(FormatKvr, CiecieNaPaczkiWKazdymMiejscu) {
    const std::string bajty =
        TZapisKvr().Plik("PIERWSZY.TXT", Dane(40000, 3)).Plik("DRUGI.GBK", std::string(50000, 'z')).Terminator().Bajty();
    const auto calosc = Przejdz(bajty);
    ASSERT_EQ(calosc.Blad, "");
    // Volume sizes that cut the size field, the name, the date, block lengths
    // and payloads, down to one byte per volume... as far as 101 volumes go.
    for (size_t rozmiar : {size_t{1000}, size_t{1001}, size_t{1439}, size_t{4096}, size_t{7777}, size_t{32768}}) {
        const auto wynik = Przejdz(bajty, rozmiar);
        EXPECT_EQ(wynik.Blad, "") << rozmiar;
        EXPECT_EQ(wynik.Wpisy, calosc.Wpisy) << rozmiar;
    }
    const std::string male = TZapisKvr().Plik("M.TXT", "abcdefgh").Terminator().Bajty();
    for (size_t rozmiar = 1; rozmiar <= male.size(); ++rozmiar)
        EXPECT_EQ(Przejdz(male, rozmiar).Blad, "") << rozmiar;
}

TEST(FormatKvr, TytulPodazaZaPaczka) {
    testy::TOpcjePliku bezKodowania;
    bezKodowania.Koder.Runy = bezKodowania.Koder.Kopie = false;
    auto paczki = Paczki(TZapisKvr().Plik("A.TXT", Dane(5000, 4), bezKodowania).Terminator().Bajty(), 2000, "/k/X.KVP");
    const auto wynik = Przejdz(paczki, "/k/X.KVP");
    EXPECT_EQ(wynik.Blad, "");
    EXPECT_EQ(wynik.Paczki, (std::vector<std::string>{"/k/X.s00", "/k/X.s01"}));
}

TEST(FormatKvr, ArchiwumKonczaceSieNaGranicyPaczkiBezNastepnej) {
    // X.KVP and X.s00; the stream ends exactly at the end of X.s00.
    const std::string bajty = TZapisKvr().Plik("A.TXT", "12345").Bajty();
    auto paczki = Paczki(bajty, bajty.size() - 3);
    EXPECT_EQ(Przejdz(paczki).Blad, "");
}

TEST(FormatKvr, UcieteArchiwumNigdyNieJestCale) {
    TZapisKvr zapis;
    zapis.Plik("A.TXT", Dane(33000, 5)).Plik("B.TXT", "b").Plik("C.TXT", std::string(20, 'c'));
    const std::string bajty = zapis.Bajty();
    const auto& konce = zapis.KonceWpisow();
    for (size_t ciecie = 0; ciecie < bajty.size(); ++ciecie) {
        const auto wynik = Przejdz(bajty.substr(0, ciecie));
        const bool poZnaczniku = std::find(konce.begin(), konce.end(), ciecie) != konce.end();
        EXPECT_EQ(wynik.Blad.empty(), poZnaczniku) << "cięcie " << ciecie << ": " << wynik.Blad;
    }
}

TEST(FormatKvr, BrakujacaPaczkaWSrodkuZestawu) {
    testy::TOpcjePliku bezKodowania;
    bezKodowania.Koder.Runy = bezKodowania.Koder.Kopie = false;
    TZapisKvr zapis;
    zapis.Plik("A.TXT", Dane(9000, 6), bezKodowania).Plik("B.TXT", Dane(9000, 7), bezKodowania);
    const std::string bajty = zapis.Bajty();
    // The missing volume falls inside an entry.
    {
        TPaczkiWPamieci paczki;
        const auto czesci = testy::Potnij(bajty, 3000);
        std::string nazwa = "X.KVP";
        for (size_t i = 0; i < czesci.size(); ++i, nazwa = NazwaNastepnejPaczki(nazwa))
            if (i != 2)
                paczki.Dodaj(nazwa, czesci[i]);
        const auto wynik = Przejdz(paczki);
        EXPECT_THAT(wynik.Blad, HasSubstr("jest niekompletne"));
        EXPECT_THAT(wynik.Blad, HasSubstr("Brak paczki \"X.s01\""));
    }
    // The missing volume starts exactly with the second entry: the later
    // volumes give it away.
    {
        const size_t granica = zapis.KonceWpisow()[0];
        TPaczkiWPamieci paczki;
        paczki.Dodaj("X.KVP", bajty.substr(0, granica));
        paczki.Dodaj("X.s01", bajty.substr(granica + 1000));
        const auto wynik = Przejdz(paczki);
        EXPECT_THAT(wynik.Blad, HasSubstr("brak paczki \"X.s00\", choć jest paczka \"X.s01\""));
    }
}

TEST(FormatKvr, WiecejNiz101Paczek) {
    testy::TOpcjePliku bezKodowania;
    bezKodowania.Koder.Runy = bezKodowania.Koder.Kopie = false;
    const std::string bajty = TZapisKvr().Plik("A.TXT", std::string(3000, 'a'), bezKodowania).Terminator().Bajty();
    // 3,000 stored bytes in volumes of 20: about 152 volumes; the names after
    // .s99 repeat (.s10), so a reader that followed them would read old ones.
    const auto wynik = Przejdz(bajty, 20);
    EXPECT_THAT(wynik.Blad, HasSubstr("ma więcej niż 101 paczek"));
    // Exactly 101 volumes are fine.
    const std::string mniejsze = TZapisKvr().Plik("A.TXT", std::string(2990, 'a'), bezKodowania).Terminator().Bajty();
    ASSERT_EQ(testy::Potnij(mniejsze, 30).size(), 101u);
    EXPECT_EQ(Przejdz(mniejsze, 30).Blad, "");
    // Adding up the sizes stops after 101 volumes too, though the names go
    // round (the set here holds the last pieces under the repeated names).
    auto paczki = Paczki(bajty, 20);
    const int64_t suma = RozmiarPaczek(paczki, "X.KVP");
    EXPECT_GT(suma, 100 * 20);
    EXPECT_LE(suma, 101 * 20);
}

TEST(FormatKvr, UszkodzeniaPolWpisu) {
    const auto wpis = [](int32_t rozmiar, int32_t dlugoscNazwy, const std::string& reszta) {
        return TZapisKvr().Surowe(testy::Int32Le(rozmiar) + testy::Int32Le(dlugoscNazwy) + reszta).Bajty();
    };
    const std::string nazwa257(257, 'n');
    const std::vector<std::pair<std::string, std::string>> przypadki = {
        {wpis(5, 0, ""), "nieprawidłowa długość nazwy pliku (0)"},
        {wpis(5, 257, nazwa257), "nieprawidłowa długość nazwy pliku (257)"},
        {wpis(5, -1, ""), "nieprawidłowa długość nazwy pliku (-1)"},
        {wpis(5, 1, "A" + testy::Int32Le(0) + testy::Uint16Le(32785) + std::string(32785, 0x41)),
         "nieprawidłowa długość bloku (32785) w pliku \"A\""},
        {wpis(5, 1, "A" + testy::Int32Le(0) + testy::Uint16Le(6) + "\x40\x80\x00\x00\x1F\x00"s + testy::Uint16Le(0)),
         "błędny blok danych w pliku \"A\""},
        {wpis(3, 1, "A" + testy::Int32Le(0) + testy::Uint16Le(4) + "\x80xyz"s + testy::Uint16Le(7)),
         "błąd odczytu zakończenia pliku \"A\""},
        {wpis(4, 1, "A" + testy::Int32Le(0) + testy::Uint16Le(4) + "\x80xyz"s + testy::Uint16Le(0)),
         "ma po dekompresji 3 bajtów zamiast 4"},
    };
    for (const auto& [bajty, blad] : przypadki)
        EXPECT_THAT(Przejdz(bajty).Blad, HasSubstr(blad));
    // A negative size is read through without the size comparison.
    const auto ujemny = Przejdz(wpis(-7, 1, "A" + testy::Int32Le(0) + testy::Uint16Le(4) + "\x80xyz"s + testy::Uint16Le(0)));
    EXPECT_EQ(ujemny.Blad, "");
    EXPECT_EQ(ujemny.Wpisy, std::vector<std::string>{"A -7 3 0"});  // date field 0
}

TEST(FormatKvr, ZamianaDowolnegoBajtuNieWychodziPozaBufory) {
    // Every byte flipped in turn: a whole archive then decodes each entry to
    // its stored size (the walk checks it), or the damage is reported.
    const std::string bajty = TZapisKvr()
                                  .Plik("A.TXT", Dane(2000, 8))
                                  .Plik("B\\C.GBK", std::string(100, 0) + Dane(300, 9))
                                  .Terminator()
                                  .Bajty();
    int uszkodzone = 0;
    for (size_t i = 0; i < bajty.size(); ++i) {
        for (const uint8_t maska : {uint8_t{0x01}, uint8_t{0x80}, uint8_t{0xFF}}) {
            std::string zmienione = bajty;
            zmienione[i] = static_cast<char>(zmienione[i] ^ maska);
            const auto wynik = Przejdz(zmienione, 97);
            uszkodzone += !wynik.Blad.empty();
        }
    }
    EXPECT_GT(uszkodzone, 0);
}

}  // namespace
}  // namespace ramvel
