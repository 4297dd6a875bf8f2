#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/bledy.h"
#include "platform/plik_ini.h"
#include "wspolne/testy.h"

namespace ramvel {
namespace {

struct TPrzypadekOdczytu {
    const char* Opis;
    std::string Plik;
    const char* Sekcja;
    const char* Klucz;
    std::optional<std::string> Oczekiwana;
};

class OdczytIni : public ::testing::TestWithParam<TPrzypadekOdczytu> {};

TEST_P(OdczytIni, Wartosc) {
    const auto& p = GetParam();
    EXPECT_EQ(WartoscIni(p.Plik, p.Sekcja, p.Klucz), p.Oczekiwana) << p.Opis;
}

using namespace std::string_literals;

INSTANTIATE_TEST_SUITE_P(
    Przypadki, OdczytIni,
    ::testing::Values(
        TPrzypadekOdczytu{"prosty", "[Kopia]\r\nFirma=ABC\r\n", "Kopia", "Firma", "ABC"},
        TPrzypadekOdczytu{"wielkosc liter sekcji i klucza", "[KOPIA]\nfirma=ABC\n", "kopia", "FIRMA", "ABC"},
        TPrzypadekOdczytu{"polskie litery w nazwie", "[Sekcja]\n\xA3\xF3" "d\x9F=1\n", "sekcja", "ŁÓDŹ", "1"},
        TPrzypadekOdczytu{"pierwsze wystapienie wygrywa", "[A]\nk=1\nk=2\n[A]\nk=3\n", "A", "k", "1"},
        TPrzypadekOdczytu{"odstepy i cudzyslowy", "[A]\n  k  =   \"  x y \"  \n", "A", "k", "  x y "},
        TPrzypadekOdczytu{"jedna para cudzyslowow", "[A]\nk=\"\"x\"\"\n", "A", "k", "\"x\""},
        TPrzypadekOdczytu{"brak klucza", "[A]\nk=1\n", "A", "x", std::nullopt},
        TPrzypadekOdczytu{"klucz w innej sekcji", "[A]\nk=1\n[B]\n", "B", "k", std::nullopt},
        TPrzypadekOdczytu{"klucz przed sekcja", "k=0\n[A]\nk=1\n", "A", "k", "1"},
        TPrzypadekOdczytu{"linia bez rownosci", "[A]\nsmieci\nk=1\n", "A", "k", "1"},
        TPrzypadekOdczytu{"bajty NUL", "[A]\n\0\0=\0\nk=1\0\n"s, "A", "k", "1"},
        TPrzypadekOdczytu{"bez konca linii", "[A]\nk=ostatni", "A", "k", "ostatni"},
        TPrzypadekOdczytu{"komentarz", "[A]\n;k=1\nk=2\n", "A", "k", "2"},
        TPrzypadekOdczytu{"pusta wartosc", "[A]\nk=\n", "A", "k", ""},
        TPrzypadekOdczytu{"niedomknieta sekcja", "[A\nk=1\n", "A", "k", std::nullopt},
        TPrzypadekOdczytu{"pusty plik", "", "A", "k", std::nullopt}));

struct TPrzypadekZapisu {
    const char* Opis;
    std::string Przed;
    const char* Sekcja;
    const char* Klucz;
    const char* Wartosc;
    std::string Po;
};

class ZapisIni : public ::testing::TestWithParam<TPrzypadekZapisu> {};

TEST_P(ZapisIni, ZmieniaTylkoSwojaLinie) {
    const auto& p = GetParam();
    EXPECT_EQ(ZmienWartoscIni(p.Przed, p.Sekcja, p.Klucz, p.Wartosc), p.Po) << p.Opis;
}

INSTANTIATE_TEST_SUITE_P(
    Przypadki, ZapisIni,
    ::testing::Values(
        TPrzypadekZapisu{"zmiana istniejacego", "; opis\r\n[A]\r\nk = 1\r\nx=2\r\n", "a", "K", "9",
                         "; opis\r\n[A]\r\nK=9\r\nx=2\r\n"},
        TPrzypadekZapisu{"nowy klucz po ostatniej linii sekcji", "[A]\r\nx=2\r\n\r\n[B]\r\n", "A", "k", "1",
                         "[A]\r\nx=2\r\nk=1\r\n\r\n[B]\r\n"},
        TPrzypadekZapisu{"nowa sekcja na koncu bez konca linii", "[A]\nx=2", "B", "k", "1", "[A]\nx=2\n[B]\nk=1\n"},
        TPrzypadekZapisu{"pusty plik", "", "USTAWIENIA", "RodzOdtwarz", "2", "[USTAWIENIA]\r\nRodzOdtwarz=2\r\n"},
        TPrzypadekZapisu{"smieci i NUL zostaja", "\x01\x02\r\n[A]\r\n\0x\r\nk=1"s, "A", "k", "2",
                         "\x01\x02\r\n[A]\r\n\0x\r\nk=2"s},
        TPrzypadekZapisu{"sekcja bez kluczy bez konca linii", "[A]", "A", "k", "1", "[A]\r\nk=1\r\n"}));

TEST(PlikIni, ZapisIOdczytPlikuWCp1250) {
    testy::TKatalogTymczasowy katalog;
    const std::string sciezka = katalog / "x.ini";
    testy::ZapiszPlik(sciezka, "[USTAWIENIA]\r\n; komentarz\r\nPathInnaLokal=/a\r\n");
    TPlikIni ini(sciezka);
    ini.Zapisz("ustawienia", "PathInneMiejsce", "/srv/Łódź");
    EXPECT_EQ(testy::CzytajPlik(sciezka),
              "[USTAWIENIA]\r\n; komentarz\r\nPathInnaLokal=/a\r\nPathInneMiejsce=/srv/\xA3\xF3" "d\x9F\r\n");
    EXPECT_EQ(ini.CzytajTekst("USTAWIENIA", "pathinnemiejsce"), "/srv/Łódź");
    EXPECT_THAT(ini.Klucze("USTAWIENIA"), ::testing::ElementsAre("PathInnaLokal", "PathInneMiejsce"));
    EXPECT_THROW(ini.Zapisz("USTAWIENIA", "x", "日本"), EBlad);
    EXPECT_EQ(TPlikIni(katalog / "brak.ini").Czytaj("A", "k"), std::nullopt);
}

TEST(PlikIni, NieczytelnyPlikToBladANieBrakWartosci) {
    testy::TKatalogTymczasowy katalog;
    // A directory in place of the file cannot be read as one.
    EXPECT_THROW(TPlikIni(katalog.Sciezka()).Czytaj("A", "k"), EBlad);
}

}  // namespace
}  // namespace ramvel
