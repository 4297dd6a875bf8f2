// Archives made by other programs extract byte for byte; the manifest beside
// them holds every entry's method, sizes and content hash.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "files/zip/rozpakuj_archiwum.h"
#include "sha256.h"
#include "wspolne/testy.h"
#include "zapis_raportow.h"

namespace ramvel::testy {
namespace {

struct TWierszManifestu {
    std::string Wpis, Metoda, Sha;
    int64_t Rozmiar = 0;
};

// Rows grouped by archive, in the order the manifest lists them (central
// directory order).
std::map<std::string, std::vector<TWierszManifestu>> CzytajManifest(const std::string& katalog) {
    std::ifstream plik(katalog + "/MANIFEST.tsv");
    std::map<std::string, std::vector<TWierszManifestu>> wynik;
    std::string linia;
    std::getline(plik, linia);
    while (std::getline(plik, linia)) {
        std::vector<std::string> pola;
        std::stringstream strumien(linia);
        for (std::string pole; std::getline(strumien, pole, '\t');)
            pola.push_back(pole);
        if (pola.size() < 8)
            continue;
        wynik[pola[0]].push_back({pola[1], pola[2], pola[7], std::stoll(pola[5])});
    }
    return wynik;
}

// What the manifest's row says the extraction must give.
int32_t OczekiwanyWynik(const std::string& archiwum, const TWierszManifestu& wiersz) {
    if (wiersz.Metoda == "tokenized")
        return -6;
    if (archiwum == "sc-zipcrypto.zip")
        return -7;
    return -1002;
}

TEST(ZipFixtures, KazdaPozycjaJakWManifescie) {
    const std::string katalog = KatalogFixtures("zip");
    RAMVEL_WYMAGAJ_FIXTURES(katalog);
    const auto manifest = CzytajManifest(katalog);
    ASSERT_GE(manifest.size(), 14u);
    for (const auto& [archiwum, wiersze] : manifest) {
        SCOPED_TRACE(archiwum);
        TKatalogTymczasowy cel;
        TZapisRaportow raporty;
        int oczekiwanychSukcesow = 0;
        for (const auto& w : wiersze)
            oczekiwanychSukcesow += OczekiwanyWynik(archiwum, w) == -1002;
        EXPECT_EQ(RozpakujArchiwum(katalog + "/" + archiwum, cel.Sciezka(), "*.*", raporty.Proc()),
                  oczekiwanychSukcesow);
        const auto wyniki = raporty.Wyniki();
        ASSERT_EQ(wyniki.size(), wiersze.size());
        for (size_t i = 0; i < wiersze.size(); ++i) {
            SCOPED_TRACE(wiersze[i].Wpis);
            const auto& [sciezka, wynik] = wyniki[i];
            EXPECT_EQ(wynik, OczekiwanyWynik(archiwum, wiersze[i]));
            if (wynik != -1002) {
                EXPECT_FALSE(std::filesystem::exists(sciezka));
            } else if (wiersze[i].Sha == "-") {
                EXPECT_TRUE(std::filesystem::is_directory(sciezka));
            } else {
                const std::string tresc = CzytajPlik(sciezka);
                EXPECT_EQ(static_cast<int64_t>(tresc.size()), wiersze[i].Rozmiar);
                EXPECT_EQ(Sha256Hex(tresc).substr(0, 16), wiersze[i].Sha);
            }
        }
    }
}

// The test mode decodes the same entries and writes nothing.
TEST(ZipFixtures, TestBezZapisuZgadzaSieZRozpakowaniem) {
    const std::string katalog = KatalogFixtures("zip");
    RAMVEL_WYMAGAJ_FIXTURES(katalog);
    for (const auto& [archiwum, wiersze] : CzytajManifest(katalog)) {
        SCOPED_TRACE(archiwum);
        int oczekiwanychSukcesow = 0;
        for (const auto& w : wiersze)
            oczekiwanychSukcesow += OczekiwanyWynik(archiwum, w) == -1002;
        const auto zrodlo = TZrodloPliku::Otworz(katalog + "/" + archiwum);
        ASSERT_TRUE(zrodlo);
        TKatalogTymczasowy cel;
        EXPECT_EQ(RozpakujArchiwum(*zrodlo, archiwum, cel.Sciezka(), "*.*", nullptr, true), oczekiwanychSukcesow);
        EXPECT_TRUE(std::filesystem::is_empty(cel.Sciezka()));
    }
}

TEST(Sha256, ZnaneSkroty) {
    EXPECT_EQ(Sha256Hex(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    EXPECT_EQ(Sha256Hex("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(Sha256Hex(std::string(1000000, 'a')),
              "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0");
}

}  // namespace
}  // namespace ramvel::testy
