// The engine end to end on archives the tests make: options, targets, masks,
// existing and read-only files, dates, the windows and their texts, cancelling,
// and damage of every kind ending as a failure without leaving the destination.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <random>

#include "archive/kvr/paczki.h"
#include "archive/kvr/przeglad_kvr.h"
#include "archive/paker.h"
#include "archive/pomoc/zapis_kvr.h"
#include "files/sciezki.h"
#include "platform/cp1250.h"
#include "platform/srodowisko.h"
#include "ui/skrypt/okna_paka_skryptu.h"
#include "ui/skrypt/skrypt.h"
#include "wspolne/testy.h"

namespace ramvel {
namespace {

using testy::TZapisKvr;
using ::testing::Contains;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
namespace fs = std::filesystem;

std::string Dane(size_t ile, unsigned ziarno) {
    std::mt19937 los(ziarno);
    std::string dane;
    while (dane.size() < ile)
        dane += "pozycja " + std::to_string(los() % 5000) + "; ";
    dane.resize(ile);
    return dane;
}

std::vector<std::string> Pliki(const std::string& katalog) {
    std::vector<std::string> pliki;
    for (const auto& wpis : fs::recursive_directory_iterator(katalog))
        pliki.push_back(fs::relative(wpis.path(), katalog).string());
    std::sort(pliki.begin(), pliki.end());
    return pliki;
}

class Paker : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("TZ", "Europe/Warsaw", 1);
        tzset();
        UstawSygnalDzwiekowy([this](uint32_t) { ++Sygnaly; });
        fs::create_directories(Kopie);
        fs::create_directories(Cel);
    }
    void TearDown() override {
        UstawSygnalDzwiekowy(nullptr);
        EXPECT_THAT(Skrypt.Bledy(), IsEmpty());
    }

    // The archive written as volumes into kopie/; returns the first volume.
    std::string Archiwum(const std::string& bajty, size_t rozmiarPaczki = size_t{1} << 30,
                         const std::string& nazwa = "KOPIA.KVP") {
        const std::string pierwsza = Kopie + "/" + nazwa;
        testy::ZapiszPaczki(pierwsza, testy::Potnij(bajty, rozmiarPaczki));
        return pierwsza;
    }

    testy::TKatalogTymczasowy Katalog;
    const std::string Kopie = Katalog / "kopie";
    const std::string Cel = Katalog / "cel";
    TSkrypt Skrypt;
    TOknaPakaSkryptu Okna{Skrypt};
    int Sygnaly = 0;
};

TEST_F(Paker, OpcjeOdtwarzaniaNadpisujaPlikTylkoDoOdczytuWSamymKatalogu) {
    fs::create_directories(Cel);
    testy::ZapiszPlik(Cel + "/FIRMA.GBK", "stara zawartość");
    ASSERT_TRUE(UstawTylkoDoOdczytu(Cel + "/FIRMA.GBK", true));
    const std::string dane = Dane(80000, 1);
    testy::TOpcjePliku opcje;
    opcje.Data = testy::DataDos(2020, 7, 1, 12, 30, 44);
    const std::string archiwum = Archiwum(TZapisKvr().Plik("dane\\FIRMA.GBK", dane, opcje).Terminator().Bajty());

    Tpaker paker;
    EXPECT_TRUE(paker.Dekompresuj("+o+y+w-p", archiwum, Cel, ""));

    EXPECT_EQ(Pliki(Cel), std::vector<std::string>{"FIRMA.GBK"});
    EXPECT_EQ(testy::CzytajPlik(Cel + "/FIRMA.GBK"), dane);
    struct stat s{};
    ASSERT_EQ(stat((Cel + "/FIRMA.GBK").c_str(), &s), 0);
    std::tm czas{};
    czas.tm_year = 120, czas.tm_mon = 6, czas.tm_mday = 1, czas.tm_hour = 12, czas.tm_min = 30, czas.tm_sec = 44;
    czas.tm_isdst = -1;
    EXPECT_EQ(s.st_mtime, std::mktime(&czas));  // local time, summer time included
    EXPECT_EQ(Sygnaly, 0);
    EXPECT_EQ(Skrypt.Przebieg(), (std::vector<std::string>{
                                     "Postęp: otwarte",
                                     "Postęp: tytuł Odtwarzanie z archiwum: KOPIA.KVP",
                                     "Postęp: plik FIRMA.GBK",
                                     "Postęp: plik ",
                                     "Postęp: plik Koniec",
                                     "Postęp: zamknięte",
                                 }));
    EXPECT_EQ(Okna.Stan().PozycjaCalosci, Okna.Stan().MaksimumCalosci);
}

TEST_F(Paker, ZachowaneSciezkiINazwyZWindows1250) {
    const std::string archiwum = Archiwum(TZapisKvr()
                                              .Plik("dane\\\xA3\xF3\x64\x9F.TXT", "łódź")  // Łódź in Windows-1250
                                              .Plik("dane\\pod\\B.GBK", Dane(100, 2))
                                              .Bajty());
    Tpaker paker;
    EXPECT_TRUE(paker.Dekompresuj("", archiwum, Cel, ""));
    EXPECT_EQ(Pliki(Cel), (std::vector<std::string>{"dane", "dane/pod", "dane/pod/B.GBK", "dane/Łódź.TXT"}));
}

TEST_F(Paker, IstniejacyPlikBezNadpisywaniaTrafiaNaListeBledow) {
    fs::create_directories(Cel);
    testy::ZapiszPlik(Cel + "/A.TXT", "nie ruszać");
    const std::string archiwum =
        Archiwum(TZapisKvr().Plik("A.TXT", Dane(70000, 3)).Plik("B.TXT", "bbb").Terminator().Bajty());
    Skrypt.Oczekuj("Błędy - Komunikaty",
                   "000 - Plik : \"" + Cel +
                       "/A.TXT\" nie został zdekompresowany ponieważ istnieje plik o tej nazwie. Użyj \"+o\".",
                   "Zamknij");
    Tpaker paker;
    EXPECT_TRUE(paker.Dekompresuj("-w", archiwum, Cel, ""));
    EXPECT_EQ(testy::CzytajPlik(Cel + "/A.TXT"), "nie ruszać");
    EXPECT_EQ(testy::CzytajPlik(Cel + "/B.TXT"), "bbb");
    EXPECT_EQ(Sygnaly, 0);
    EXPECT_EQ(Okna.LiczbaOtwarc(), 0);
    EXPECT_THAT(paker.Bledy(), IsEmpty());
}

TEST_F(Paker, MaskiWybierajaPlikiPominieteSaCzytaneBezRuchuPaskow) {
    const std::string archiwum = Archiwum(TZapisKvr()
                                              .Plik("dane\\A.TXT", Dane(50000, 4))
                                              .Plik("dane\\FIRMA.GBK", Dane(3000, 5))
                                              .Plik("X.gbk", "x")
                                              .Terminator()
                                              .Bajty());
    bool wPominietym = false;
    int ruchyWPominietym = 0;
    Okna.PoZmianie([&](const TStanOknaPaka& stan) {
        if (stan.NazwaPliku.rfind("pomijanie : ", 0) == 0)
            wPominietym = true;
        else if (stan.NazwaPliku.empty())
            wPominietym = false;
        if (wPominietym && (stan.PozycjaPliku != 0 || stan.PozycjaCalosci != 0))
            ++ruchyWPominietym;
    });
    Tpaker paker;
    EXPECT_TRUE(paker.Dekompresuj("+o", archiwum, Cel, "*.GBK;C:\\dane\\*.*"));
    EXPECT_EQ(Pliki(Cel), (std::vector<std::string>{"X.gbk", "dane", "dane/FIRMA.GBK"}));
    EXPECT_THAT(Skrypt.Przebieg(), Contains("Postęp: plik pomijanie : A.TXT"));
    EXPECT_EQ(ruchyWPominietym, 0);
}

TEST(MaskiPakera, PasujeDoMaskiIJestSciezka) {
    struct TPrzypadek {
        std::string Sciezka, Maska;
        bool Pasuje;
    };
    const std::vector<TPrzypadek> przypadki = {
        {"/t/cel/dane/FIRMA.GBK", "*.GBK", true},
        {"/t/cel/firma.gbk", "*.GBK", true},
        {"/t/cel/ŁÓDŹ.GBK", "*łódź.gbk", true},
        {"/t/cel/LODZ.GBK", "*ŁÓDŹ.GBK", false},
        {"/t/cel/README", "*.*", true},
        {"/t/cel/A.TXT", ".*", false},
        {"/t/cel/A1.TXT", "*A?.TXT", true},
        {"/t/cel/AB.TXT", "*A[0-9].TXT", false},
        {"/t/cel/A7.TXT", "*A[0-9].TXT", true},
        {"/t/cel/A7.TXT", "*A[!0-9].TXT", false},
        {"/t/cel/dane", "*dane.*", true},
        {"/t/cel/dane.gbk", "*dane.*", true},
        {"/t/cel/danex", "*dane.*", false},
        {"/t/cel/A.TXT", "/t/cel/A.TXT", true},
        {"/t/cel/A.TXT", "A.TXT", false},  // the whole path is matched
    };
    for (const auto& p : przypadki)
        EXPECT_EQ(Tpaker::PasujeDoMaski(p.Sciezka, p.Maska), p.Pasuje) << p.Sciezka << " / " << p.Maska;
    for (const std::string sciezka : {"C:\\dane\\*.*", "\\\\serwer\\*", "//serwer/*"})
        EXPECT_TRUE(Tpaker::JestSciezka(sciezka)) << sciezka;
    for (const std::string maska : {"*.GBK", "C:*.*", "/t/*", ""})
        EXPECT_FALSE(Tpaker::JestSciezka(maska)) << maska;
    try {
        Tpaker::PasujeDoMaski("A", "A[b");
        ADD_FAILURE() << "zła maska przyjęta";
    } catch (const EBlad& blad) {
        EXPECT_STREQ(blad.what(), "'A[b' is an invalid mask at (2)");
    }
}

TEST_F(Paker, ZlaMaskaKonczyPrzebiegKomunikatem) {
    const std::string archiwum = Archiwum(TZapisKvr().Plik("A.TXT", "a").Bajty());
    Skrypt.Blad("Wystąpił błąd o treści: '[x' is an invalid mask at (1)");
    Tpaker paker;
    EXPECT_FALSE(paker.Dekompresuj("-w", archiwum, Cel, "[x"));
    EXPECT_EQ(Sygnaly, 1);
}

TEST_F(Paker, UstawOpcje) {
    struct TPrzypadek {
        std::string Opcje;
        const char* Odpowiedz;  // the answer to the question about the volume size, nullptr: no question
        bool Wynik;
        int32_t RozmiarPaczki;
        bool Nadpisuj, ZawszeTak, PokazOkno, ZachowajSciezki, BledyBezPytania, PrzywracajDaty, Rekurencja;
    };
    const std::vector<TPrzypadek> przypadki = {
        {"", nullptr, true, 0, false, false, true, true, true, true, false},
        {"+o+y+w-p", nullptr, true, 0, true, true, true, false, true, true, false},
        {"-p+o x -d-e-w+r+y", nullptr, true, 0, true, true, false, false, false, false, true},
        {"+V2000", nullptr, true, 0, false, false, true, true, true, true, false},
        {"+v1440;+o", nullptr, true, 1440000, true, false, true, true, true, true, false},
        {"+v1440+o", "&Tak", true, 1440000, true, false, true, true, true, true, false},
        {"+v1440+o", "&Nie", false, 0, true, false, true, true, true, true, false},
        {"+v", "&Tak", true, 1440000, false, false, true, true, true, true, false},
        {"+v99999999", "&Tak", true, 1440000, false, false, true, true, true, true, false},
    };
    for (const auto& p : przypadki) {
        if (p.Odpowiedz) {
            const std::string liczba = p.Opcje.substr(p.Opcje.find("+v") + 2);
            Skrypt.Pytanie("Ciag: " + liczba + " nie jest prawidłowym rozmiarem paczki. Przyjąć rozmiar standardowy 1,44MB ?",
                           p.Odpowiedz);
        }
        Tpaker paker;
        EXPECT_EQ(paker.UstawOpcje(p.Opcje), p.Wynik) << p.Opcje;
        if (!p.Wynik)
            continue;
        EXPECT_EQ(paker.RozmiarPaczki, p.RozmiarPaczki) << p.Opcje;
        EXPECT_EQ(paker.Nadpisuj, p.Nadpisuj) << p.Opcje;
        EXPECT_EQ(paker.ZawszeTak, p.ZawszeTak) << p.Opcje;
        EXPECT_EQ(paker.PokazOkno, p.PokazOkno) << p.Opcje;
        EXPECT_EQ(paker.ZachowajSciezki, p.ZachowajSciezki) << p.Opcje;
        EXPECT_EQ(paker.BledyBezPytania, p.BledyBezPytania) << p.Opcje;
        EXPECT_EQ(paker.PrzywracajDaty, p.PrzywracajDaty) << p.Opcje;
        EXPECT_EQ(paker.Rekurencja, p.Rekurencja) << p.Opcje;
    }
}

TEST_F(Paker, OdmowaRozmiaruPaczkiKonczyBezDzialania) {
    Skrypt.Pytanie("Ciag: x nie jest prawidłowym rozmiarem paczki. Przyjąć rozmiar standardowy 1,44MB ?", "&Nie");
    Tpaker paker;
    EXPECT_FALSE(paker.Dekompresuj("+vx", "/nie/ma/KOPIA.KVP", Cel, ""));
    EXPECT_EQ(Sygnaly, 0);
    EXPECT_EQ(Okna.LiczbaOtwarc(), 0);
}

TEST_F(Paker, NazwaBezRozszerzeniaIBrakujaceArchiwum) {
    Archiwum(TZapisKvr().Plik("A.TXT", "a").Bajty(), 1 << 30, "BEZ.KVP");
    Tpaker paker;
    EXPECT_TRUE(paker.Dekompresuj("-w", Kopie + "/BEZ", Cel, ""));
    EXPECT_EQ(testy::CzytajPlik(Cel + "/A.TXT"), "a");

    Skrypt.Blad("Plik archiwum : \"" + Kopie + "/BRAK.KVP\" nie istnije.");
    Tpaker drugi;
    EXPECT_FALSE(drugi.Dekompresuj("", Kopie + "/BRAK", Cel, ""));
    EXPECT_EQ(Sygnaly, 1);

    Skrypt.Blad("Brak nazwy archiwum do dekompresji.");
    Tpaker trzeci;
    EXPECT_FALSE(trzeci.Dekompresuj("", "", Cel, ""));
    EXPECT_EQ(Sygnaly, 2);
}

TEST_F(Paker, BrakujacyKatalogDocelowy) {
    const std::string archiwum = Archiwum(TZapisKvr().Plik("A.TXT", "a").Bajty());
    const std::string gleboki = Cel + "/a/b/c";
    {
        Skrypt.Pytanie("Brak katalogu :\"" + gleboki + "\". Utowrzyć?", "&Nie");
        Tpaker paker;
        EXPECT_FALSE(paker.Dekompresuj("-w", archiwum, gleboki, ""));
        EXPECT_FALSE(KatalogIstnieje(gleboki));
        EXPECT_EQ(Sygnaly, 1);
    }
    {
        Skrypt.Pytanie("Brak katalogu :\"" + gleboki + "\". Utowrzyć?", "&Tak");
        Tpaker paker;
        EXPECT_TRUE(paker.Dekompresuj("-w", archiwum, gleboki, ""));
        EXPECT_TRUE(PlikIstnieje(gleboki + "/A.TXT"));
    }
    {
        Tpaker paker;  // "+y": no question, all levels made
        EXPECT_TRUE(paker.Dekompresuj("-w+y", archiwum, Cel + "/x/y", ""));
        EXPECT_TRUE(PlikIstnieje(Cel + "/x/y/A.TXT"));
    }
    {
        testy::ZapiszPlik(Katalog / "plik", "");
        Skrypt.Oczekuj("Błędy - Komunikaty", "000 - Nie można utworzyć katalogu :\"" + Katalog / "plik/pod" + "\".",
                       "Zamknij");
        Tpaker paker;
        EXPECT_FALSE(paker.Dekompresuj("-w+y", archiwum, Katalog / "plik/pod", ""));
    }
}

TEST_F(Paker, OpcjaEPytaOListeBledow) {
    fs::create_directories(Cel);
    testy::ZapiszPlik(Cel + "/A.TXT", "");
    testy::ZapiszPlik(Cel + "/B.TXT", "");
    const std::string archiwum = Archiwum(TZapisKvr().Plik("A.TXT", "a").Plik("B.TXT", "b").Bajty());
    const std::string pytanie = "Podczas dekompresji archiwum \"" + archiwum + "\" powstały błędy. Pokazać listę?";
    {
        Skrypt.Pytanie(pytanie, "&Nie");
        Tpaker paker;
        EXPECT_TRUE(paker.Dekompresuj("-e-w+y", archiwum, Cel, ""));
        EXPECT_EQ(paker.Bledy().size(), 2u);  // declined: the lines stay
    }
    {
        Skrypt.Pytanie(pytanie, "&Tak");
        Skrypt.Oczekuj("Błędy - Komunikaty",
                       "000 - Plik : \"" + Cel + "/A.TXT\" nie został zdekompresowany ponieważ istnieje plik o tej nazwie. Użyj \"+o\".\n"
                       "001 - Plik : \"" + Cel + "/B.TXT\" nie został zdekompresowany ponieważ istnieje plik o tej nazwie. Użyj \"+o\".",
                       "Zamknij");
        Tpaker paker;
        EXPECT_TRUE(paker.Dekompresuj("-e-w", archiwum, Cel, ""));
        EXPECT_THAT(paker.Bledy(), IsEmpty());
    }
}

TEST_F(Paker, DodajBladNumerujeOdZera) {
    Tpaker paker;
    for (int i = 0; i < 1001; ++i)
        paker.DodajBlad("x");
    EXPECT_EQ(paker.Bledy()[0], "000 - x");
    EXPECT_EQ(paker.Bledy()[99], "099 - x");
    EXPECT_EQ(paker.Bledy()[999], "999 - x");
    EXPECT_EQ(paker.Bledy()[1000], "100 - x");  // longer numbers cut to three characters
}

TEST_F(Paker, AnulujWDrugimPlikuUsuwaGo) {
    const std::string archiwum =
        Archiwum(TZapisKvr().Plik("A.TXT", Dane(40000, 6)).Plik("B.TXT", Dane(100000, 7)).Plik("C.TXT", "c").Bajty());
    Okna.AnulujGdy([](const TStanOknaPaka& stan) { return stan.NazwaPliku == "B.TXT" && stan.PozycjaPliku > 0; });
    Tpaker paker;
    EXPECT_FALSE(paker.Dekompresuj("", archiwum, Cel, ""));
    EXPECT_EQ(Pliki(Cel), std::vector<std::string>{"A.TXT"});
    EXPECT_EQ(Sygnaly, 1);
    EXPECT_THAT(Skrypt.Przebieg(), Contains("Postęp: Anuluj"));
    EXPECT_FALSE(Okna.Stan().Otwarte);
}

TEST_F(Paker, BezOknaNieMaPostepuAniAnulowania) {
    const std::string archiwum = Archiwum(TZapisKvr().Plik("A.TXT", Dane(70000, 8)).Bajty());
    Okna.AnulujGdy([](const TStanOknaPaka&) { return true; });
    int postepy = 0;
    Tpaker paker;
    paker.OnPostep = [&](Tpaker&, int32_t, int32_t) { ++postepy; };
    EXPECT_TRUE(paker.Dekompresuj("-w", archiwum, Cel, ""));
    EXPECT_EQ(postepy, 0);
    EXPECT_EQ(Okna.LiczbaOtwarc(), 0);
    EXPECT_THAT(Skrypt.Przebieg(), IsEmpty());
}

TEST_F(Paker, ZdarzeniaIPostepWJednostkachKilobajta) {
    // Stored blocks (no coding): the overall bar follows the stored lengths.
    testy::TOpcjePliku opcje;
    opcje.Koder.Runy = opcje.Koder.Kopie = false;
    const std::string archiwum = Archiwum(TZapisKvr().Plik("A.TXT", Dane(100000, 9), opcje).Terminator().Bajty());
    std::vector<std::string> zdarzenia;
    Tpaker paker;
    paker.OnPrzedPlikiem = [&](Tpaker&, const std::string& s) { zdarzenia.push_back("przed " + NazwaPliku(s)); };
    paker.OnPoPliku = [&](Tpaker&, const std::string& s) { zdarzenia.push_back("po " + NazwaPliku(s)); };
    paker.OnPostep = [&](Tpaker&, int32_t pozycja, int32_t maksimum) {
        zdarzenia.push_back(std::to_string(pozycja) + "/" + std::to_string(maksimum));
    };
    EXPECT_TRUE(paker.Dekompresuj("", archiwum, Cel, ""));
    // Volume: 100,000 + 4 blocks' overhead... = 100,048 bytes -> 97 units;
    // blocks of 32,769 stored bytes add 32 each, the last (1,697) adds 1.
    EXPECT_EQ(zdarzenia, (std::vector<std::string>{"przed A.TXT", "32/97", "64/97", "96/97", "97/97", "po A.TXT"}));
    EXPECT_EQ(Okna.Stan().Procent, "100 %");
}

TEST_F(Paker, TytulOknaPodazaZaPaczkami) {
    testy::TOpcjePliku opcje;
    opcje.Koder.Runy = opcje.Koder.Kopie = false;
    const std::string archiwum = Archiwum(TZapisKvr().Plik("A.TXT", Dane(5000, 10), opcje).Terminator().Bajty(), 2000);
    Tpaker paker;
    EXPECT_TRUE(paker.Dekompresuj("", archiwum, Cel, ""));
    std::vector<std::string> tytuly;
    for (const auto& linia : Skrypt.Przebieg())
        if (linia.rfind("Postęp: tytuł", 0) == 0)
            tytuly.push_back(linia.substr(linia.find(':', 10) + 2));
    EXPECT_EQ(tytuly, (std::vector<std::string>{"KOPIA.KVP", "KOPIA.s00", "KOPIA.s01"}));
    EXPECT_EQ(paker.Archiwum(), Kopie + "/KOPIA.s01");
}

// Diskettes carry KOPIA.S00 where the engine asks for KOPIA.s00; the set is
// found as it is where it was made, whatever the letter case.
TEST_F(Paker, PaczkiZNazwamiWInnejWielkosciLiter) {
    const std::string dane = Dane(5000, 12);
    const auto paczki = testy::Potnij(TZapisKvr().Plik("A.TXT", dane).Terminator().Bajty(), 600);
    ASSERT_GE(paczki.size(), 3u);
    for (size_t i = 0; i < paczki.size(); ++i)
        testy::ZapiszPlik(Kopie + (i == 0 ? "/KOPIA.KVP" : "/KOPIA.S0" + std::to_string(i - 1)), paczki[i]);
    Tpaker paker;
    EXPECT_TRUE(paker.Dekompresuj("-w", Kopie + "/KOPIA.KVP", Cel, ""));
    EXPECT_EQ(testy::CzytajPlik(Cel + "/A.TXT"), dane);
}

TEST_F(Paker, UjemnyRozmiarDajeLinieBleduIPlikJestZapisany) {
    testy::TOpcjePliku opcje;
    opcje.Rozmiar = -5;
    const std::string archiwum = Archiwum(TZapisKvr().Plik("A.TXT", "abcdef", opcje).Bajty());
    Skrypt.Oczekuj("Błędy - Komunikaty",
                   "000 - Błędna informacja o rozmiarze pliku przed kompresją : \"" + Cel + "/A.TXT\".", "Zamknij");
    Tpaker paker;
    EXPECT_TRUE(paker.Dekompresuj("-w", archiwum, Cel, ""));
    EXPECT_EQ(testy::CzytajPlik(Cel + "/A.TXT"), "abcdef");
}

TEST_F(Paker, UszkodzeniaKonczaPrzebiegPorazka) {
    struct TPrzypadek {
        const char* Opis;
        std::string Bajty;
        std::string Komunikat;
    };
    testy::TOpcjePliku zlyZnacznik;
    zlyZnacznik.ZnacznikKonca = 1;
    testy::TOpcjePliku zlyRozmiar;
    zlyRozmiar.Rozmiar = 7;
    const std::string dobre = TZapisKvr().Plik("A.TXT", "aaa").Bajty();
    const std::vector<TPrzypadek> przypadki = {
        {"znacznik", TZapisKvr().Plik("A.TXT", "aaa").Plik("B.TXT", "bbb", zlyZnacznik).Bajty(),
         "Błąd odczytu zakończenia pliku."},
        {"rozmiar", TZapisKvr().Plik("A.TXT", "aaa").Plik("B.TXT", "bbb", zlyRozmiar).Bajty(),
         "Rozmiar pliku po dekompresji jest różny od rozmiaru przed kompresją."},
        {"ucięte", TZapisKvr().Plik("A.TXT", "aaa").Plik("B.TXT", Dane(5000, 11)).Bajty().substr(0, 200),
         "Archiwum \"" + Kopie + "/KOPIA.KVP\" jest niekompletne: kończy się w pliku \"B.TXT\". Brak paczki \"" + Kopie +
             "/KOPIA.s00\" albo archiwum zostało ucięte."},
        {"sygnatura", "K#V#X@101@", "Plik : \"" + Kopie + "/KOPIA.KVP\" nie jest prawidłowym archiwum KVR."},
        {"wersja", "K#V#R@102@", "Plik : \"" + Kopie + "/KOPIA.KVP\" został skompresowany nowszą wersją programu kompresującego."},
    };
    for (const auto& p : przypadki) {
        fs::remove_all(Cel);
        fs::create_directories(Cel);
        Skrypt.Blad(p.Komunikat);
        Tpaker paker;
        const int sygnalyPrzed = Sygnaly;
        EXPECT_FALSE(paker.Dekompresuj("-w", Archiwum(p.Bajty), Cel, "")) << p.Opis;
        EXPECT_EQ(Sygnaly, sygnalyPrzed + 1) << p.Opis;
        if (p.Bajty.size() > dobre.size()) {  // what came before the damage stays
            EXPECT_EQ(testy::CzytajPlik(Cel + "/A.TXT"), "aaa") << p.Opis;
        }
    }
}

TEST_F(Paker, NazwyWychodzacePozaKatalogSaOdrzucane) {
    const std::vector<std::string> nazwy = {"..\\..\\ZLY1.TXT", "\\ZLY2.TXT", "C:\\ZLY3.TXT", "a\\..\\..\\ZLY4.TXT",
                                            "/tmp/ZLY5.TXT", "..", "a\\.."};
    TZapisKvr zapis;
    for (const auto& nazwa : nazwy)
        zapis.Plik(nazwa, "zły");
    zapis.Plik("a\\.\\\\DOBRY.TXT", "dobry");
    const std::string archiwum = Archiwum(zapis.Bajty());
    fs::create_directories(Cel);
    std::string linie;
    for (size_t i = 0; i < nazwy.size(); ++i)
        linie += (i ? "\n" : "") + std::string("00") + std::to_string(i) + " - Plik : \"" + nazwy[i] +
                 "\" nie został zdekompresowany, bo jego nazwa wskazuje miejsce poza katalogiem docelowym.";
    Skrypt.Oczekuj("Błędy - Komunikaty", linie, "Zamknij");
    Tpaker paker;
    EXPECT_FALSE(paker.Dekompresuj("+o+y-w", archiwum, Cel, ""));
    EXPECT_EQ(Sygnaly, 1);
    EXPECT_EQ(Pliki(Katalog.Sciezka()), (std::vector<std::string>{"cel", "cel/a", "cel/a/DOBRY.TXT", "kopie", "kopie/KOPIA.KVP"}));

    // Without stored paths only the last component counts.
    Tpaker bezSciezek;
    fs::remove_all(Cel);
    fs::create_directories(Cel);
    EXPECT_TRUE(bezSciezek.Dekompresuj("-p-w", Archiwum(TZapisKvr().Plik("..\\..\\ZLY1.TXT", "z").Bajty()), Cel, ""));
    EXPECT_EQ(Pliki(Cel), std::vector<std::string>{"ZLY1.TXT"});
}

// A front end that answers every window with its default and remembers nothing:
// for runs over many damaged archives.
class TCichyFront : public IKomunikaty, public IOknaPaka {
public:
    TCichyFront() : FKomunikaty(UstawKomunikaty(this)), FOkna(UstawOknaPaka(this)) {}
    ~TCichyFront() override {
        UstawKomunikaty(FKomunikaty);
        UstawOknaPaka(FOkna);
    }
    TKomPrzycisk Pokaz(const std::string&, const std::vector<TKomPrzycisk>&, TKomPrzycisk domyslny,
                       TKomRodzaj) override {
        return domyslny;
    }
    std::unique_ptr<IOknoPostepuPaka> OtworzPostep() override { return nullptr; }
    void PokazListeBledow(const std::vector<std::string>&) override {}

private:
    IKomunikaty* FKomunikaty;
    IOknaPaka* FOkna;
};

TEST_F(Paker, KazdeCiecieIZamianaBajtuKonczySiePorazkaAlboPoprawnymiRozmiarami) {
    TCichyFront cichy;
    TZapisKvr zapis;
    zapis.Plik("A.TXT", Dane(300, 12)).Plik("d\\B.GBK", std::string(40, 0) + Dane(60, 13)).Plik("C", "c");
    const std::string bajty = zapis.Bajty();
    const auto& konce = zapis.KonceWpisow();
    const std::string obok = Katalog / "obok";
    const std::string cel = obok + "/cel";
    const auto sprawdz = [&](const std::string& archiwum, bool oczekiwanySukces, const std::string& opis) {
        fs::remove_all(obok);
        fs::create_directories(cel);
        Tpaker paker;
        const bool sukces = paker.Dekompresuj("+o+y-w-e", Archiwum(archiwum), cel, "");
        if (oczekiwanySukces) {
            EXPECT_TRUE(sukces) << opis;
        }
        for (const auto& plik : Pliki(obok))
            ASSERT_TRUE(plik == "cel" || plik.rfind("cel/", 0) == 0) << opis << ": " << plik;
        if (!sukces)
            return;
        // Every entry of the archive as it is has its decoded size on disk.
        TPaczkiWPamieci paczki;
        paczki.Dodaj("X.KVP", archiwum);
        TCzytnikArchiwum czytnik(paczki, "X.KVP");
        PrzejdzArchiwum(czytnik, [&](const TWpisKvr& wpis, int64_t razem) {
            std::string nazwa = Cp1250NaUtf8(wpis.Nazwa);
            std::replace(nazwa.begin(), nazwa.end(), '\\', '/');
            EXPECT_EQ(RozmiarPliku(cel + "/" + nazwa), razem) << opis << ": " << nazwa;
        });
    };
    for (size_t ciecie = 0; ciecie <= bajty.size(); ++ciecie) {
        const bool poZnaczniku = std::find(konce.begin(), konce.end(), ciecie) != konce.end();
        fs::remove_all(obok);
        fs::create_directories(cel);
        Tpaker paker;
        EXPECT_EQ(paker.Dekompresuj("+o+y-w-e", Archiwum(bajty.substr(0, ciecie)), cel, ""), poZnaczniku)
            << "cięcie " << ciecie;
    }
    for (size_t i = 0; i < bajty.size(); ++i) {
        std::string zmienione = bajty;
        zmienione[i] = static_cast<char>(zmienione[i] ^ 0x5A);
        sprawdz(zmienione, false, "bajt " + std::to_string(i));
    }
}

}  // namespace
}  // namespace ramvel
