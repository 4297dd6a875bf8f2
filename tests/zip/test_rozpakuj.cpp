// The extraction of whole archives that the tests make themselves: reports,
// entry failures that let the others go on, fatal failures, and the target
// directory that no stored name can leave.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "archiwa_testowe.h"
#include "files/zip/cel_pozycji.h"
#include "platform/czas_dos.h"
#include "files/zip/rozpakuj_archiwum.h"
#include "files/zip/unzip_int.h"
#include "wspolne/testy.h"
#include "zapis_raportow.h"

namespace ramvel::testy {
namespace {

using testing::ElementsAre;
using testing::ElementsAreArray;
namespace fs = std::filesystem;

std::string Tekst(size_t dlugosc, uint32_t ziarno = 1) {
    std::string wynik;
    const char* slowa[] = {"faktura ", "konto ", "2024 ", "NIP ", "\r\n", "kontrahent ", "kwota 13,50 "};
    for (uint32_t x = ziarno; wynik.size() < dlugosc;) {
        x = x * 1103515245u + 12345u;
        wynik += slowa[(x >> 16) % 7];
    }
    wynik.resize(dlugosc);
    return wynik;
}

struct TArchiwum {
    TKatalogTymczasowy Katalog;
    std::string Sciezka;
    explicit TArchiwum(const std::string& bajty) : Sciezka(Katalog / "kopia.zip") { ZapiszPlik(Sciezka, bajty); }
};

TEST(ZipRozpakuj, RaportyJednegoArchiwum) {
    const std::string duzy = Tekst(40000);
    TArchiwum archiwum(ZbudujZip({
        {.Nazwa = "dane/", .AtrybutyZewnetrzne = 0x10},
        {.Nazwa = "dane/duzy.txt", .Dane = duzy, .AtrybutyZewnetrzne = 0x20},
        {.Nazwa = "dane/maly.gbk", .Dane = Tekst(1000, 7), .Metoda = 8, .System = 3, .AtrybutyZewnetrzne = 0x81A40000},
    }));
    TKatalogTymczasowy cel;
    TZapisRaportow raporty;
    EXPECT_EQ(RozpakujArchiwum(archiwum.Sciezka, cel.Sciezka(), "*.*", raporty.Proc()), 3);
    EXPECT_THAT(raporty.Przebieg(),
                ElementsAre("-1004/-1004", "-1000/-1000", "-1002/-1002", "-1000/-1000", "-1001/32768",
                            "-1001/7232", "-1002/-1002", "-1000/-1000", "-1001/1000", "-1002/-1002", "-1005/-1005"));
    const auto& r = raporty.Raporty();
    const int32_t spakowanyMaly = r[7].Raport.RozmiarSpakowany;
    EXPECT_EQ(r[0].Nazwa(), archiwum.Sciezka);
    EXPECT_EQ(r[0].Raport.Rozmiar, 41000);
    EXPECT_EQ(r[0].Raport.RozmiarSpakowany, 40000 + spakowanyMaly);
    EXPECT_EQ(r[0].Raport.Stopien, 100 - (40000 + spakowanyMaly) * 100 / 41000);
    EXPECT_EQ(r[0].Raport.Czas, 0);

    EXPECT_EQ(r[1].Nazwa(), cel.Sciezka() + "/dane/");
    EXPECT_EQ(r[1].Raport.JestKatalogiem, 1);
    EXPECT_EQ(r[1].Raport.Atrybuty, 0x10);
    EXPECT_EQ(r[3].Nazwa(), cel.Sciezka() + "/dane/duzy.txt");
    EXPECT_EQ(r[3].Raport.JestKatalogiem, 0);
    EXPECT_EQ(r[3].Raport.Czas, 0x5A2E6A10);
    EXPECT_EQ(r[3].Raport.Rozmiar, 40000);
    EXPECT_EQ(r[3].Raport.Metoda, 0);
    EXPECT_EQ(r[3].Raport.Atrybuty, 0x20);
    EXPECT_EQ(r[3].Raport.Stopien, 0);
    // Made on Unix: the external attributes hold a mode, not DOS bits.
    EXPECT_EQ(r[7].Raport.Metoda, 8);
    EXPECT_EQ(r[7].Raport.Atrybuty, 0);
    EXPECT_EQ(r[7].Raport.Stopien, 100 - spakowanyMaly * 100 / 1000);

    EXPECT_EQ(r[10].Nazwa(), archiwum.Sciezka);
    EXPECT_EQ(r[10].Raport.Czas, -1);
    EXPECT_EQ(r[10].Raport.Atrybuty, -1);
    EXPECT_EQ(r[10].Raport.Metoda, 0);
    EXPECT_EQ(r[10].Raport.Rozmiar, 41000);
    EXPECT_EQ(CzytajPlik(cel / "dane/duzy.txt"), duzy);
}

TEST(ZipRozpakuj, BezProceduryRaportuTakSamo) {
    TArchiwum archiwum(ZbudujZip({{.Nazwa = "a.txt", .Dane = "abc"}}));
    TKatalogTymczasowy cel;
    EXPECT_EQ(RozpakujArchiwum(archiwum.Sciezka, cel.Sciezka(), "*.*", nullptr), 1);
    EXPECT_EQ(CzytajPlik(cel / "a.txt"), "abc");
}

// Entry failures are reported with -1003 and leave the others to be written.
TEST(ZipRozpakuj, BledyPozycjiNiePrzerywaja) {
    struct TPrzypadek {
        const char* Opis;
        TWpisTestowy Wpis;
        int32_t Kod;
    };
    const TPrzypadek przypadki[] = {
        {"zła suma CRC", {.Nazwa = "zly.gbk", .Dane = Tekst(50000), .Metoda = 8, .Crc = 0x12345678}, -1},
        {"zła suma CRC, bez kompresji", {.Nazwa = "zly.txt", .Dane = "treść", .Crc = 1}, -1},
        {"metoda 2", {.Nazwa = "m2", .Dane = "x", .Metoda = 2, .Spakowane = "x"}, -6},
        {"metoda 3", {.Nazwa = "m3", .Dane = "x", .Metoda = 3, .Spakowane = "x"}, -6},
        {"metoda 4", {.Nazwa = "m4", .Dane = "x", .Metoda = 4, .Spakowane = "x"}, -6},
        {"metoda 5", {.Nazwa = "m5", .Dane = "x", .Metoda = 5, .Spakowane = "x"}, -6},
        {"metoda 9", {.Nazwa = "m9", .Dane = "x", .Metoda = 9, .Spakowane = "x"}, -6},
        {"metoda 12", {.Nazwa = "m12", .Dane = "x", .Metoda = 12, .Spakowane = "x"}, -6},
        {"zakodowany", {.Nazwa = "tajny.txt", .Dane = "abc", .Spakowane = std::string(15, 'q'), .Flagi = 1}, -7},
        {"../", {.Nazwa = "../wyjscie.txt", .Dane = "zle"}, -2},
        {"..\\", {.Nazwa = "..\\wyjscie.txt", .Dane = "zle"}, -2},
        {"głębiej ..", {.Nazwa = "a/b/../../../wyjscie.txt", .Dane = "zle"}, -2},
        {"ścieżka bezwzględna", {.Nazwa = "/tmp/ramvel-zip-wyjscie.txt", .Dane = "zle"}, -2},
        {"litera dysku", {.Nazwa = "C:\\wyjscie.txt", .Dane = "zle"}, -2},
        {"litera dysku bez ukośnika", {.Nazwa = "C:wyjscie.txt", .Dane = "zle"}, -2},
        {"plik bez nazwy", {.Nazwa = ".", .Dane = "zle"}, -2},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.Opis);
        TKatalogTymczasowy katalog;
        const std::string archiwumSciezka = katalog / "kopia.zip";
        ZapiszPlik(archiwumSciezka, ZbudujZip({{.Nazwa = "przed.txt", .Dane = "1"}, p.Wpis, {.Nazwa = "po.txt", .Dane = "2"}}));
        const std::string cel = katalog / "cel";
        TZapisRaportow raporty;
        EXPECT_EQ(RozpakujArchiwum(archiwumSciezka, cel, "*.*", raporty.Proc()), 2);
        const auto wyniki = raporty.Wyniki();
        ASSERT_EQ(wyniki.size(), 3u);
        EXPECT_EQ(wyniki[1].second, p.Kod);
        EXPECT_EQ(raporty.Raporty().back().Raport.Status, -1005);
        EXPECT_EQ(CzytajPlik(cel + "/przed.txt"), "1");
        EXPECT_EQ(CzytajPlik(cel + "/po.txt"), "2");
        // Nothing but the two good files, and nothing beside the target.
        size_t plikow = 0;
        for (const auto& wpis : fs::recursive_directory_iterator(katalog.Sciezka()))
            plikow += wpis.is_regular_file();
        EXPECT_EQ(plikow, 3u);  // the archive and the two files
        EXPECT_FALSE(fs::exists("/tmp/ramvel-zip-wyjscie.txt"));
    }
}

TEST(ZipRozpakuj, BledyKrytyczne) {
    TKatalogTymczasowy katalog;
    const std::string cel = katalog / "cel";
    const std::string dobre = ZbudujZip({{.Nazwa = "a.txt", .Dane = Tekst(5000), .Metoda = 8}});
    struct TPrzypadek {
        const char* Opis;
        std::string Bajty;  // written as the archive; empty: the archive path is a directory
        int32_t Wynik;
        bool Raporty;       // whether any report is made
    };
    // The local header claims far more data than the file holds.
    std::string ucietyRozmiar = dobre;
    ucietyRozmiar.replace(18, 4, "\xFF\xFF\xFF\x7F");
    std::string zlyNaglowek = dobre;
    zlyNaglowek[0] = 'X';  // the central directory points at no local header
    zlyNaglowek = "PK\x03\x04" + zlyNaglowek;  // recognised by its stub
    const TPrzypadek przypadki[] = {
        {"nie ZIP", "To jest zwykły plik tekstowy, nie archiwum.", -12, false},
        {"plik 4-bajtowy", "PK\x03", -12, false},
        {"katalog zamiast archiwum", "", -12, false},
        {"sygnatura bez rekordu końca", std::string("PK\x03\x04", 4) + std::string(200, '\0'), -9, false},
        {"katalog centralny ucięty", dobre.substr(0, dobre.size() - 30) + dobre.substr(dobre.size() - 22), -9, false},
        {"dane ucięte", ucietyRozmiar, -3, true},
        {"nagłówek lokalny nie tam", zlyNaglowek, -4, true},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.Opis);
        const std::string archiwum = katalog / "archiwum.zip";
        fs::remove_all(archiwum);
        if (p.Bajty.empty())
            fs::create_directory(archiwum);
        else
            ZapiszPlik(archiwum, p.Bajty);
        TZapisRaportow raporty;
        EXPECT_EQ(RozpakujArchiwum(archiwum, cel, "*.*", raporty.Proc()), p.Wynik);
        EXPECT_EQ(!raporty.Raporty().empty(), p.Raporty);
        if (p.Raporty && !raporty.Raporty().empty()) {
            EXPECT_EQ(raporty.Raporty().back().Wartosc, -100);
            EXPECT_EQ(raporty.Raporty().back().Raport.Status, p.Wynik);
            EXPECT_FALSE(fs::exists(cel + "/a.txt"));
        }
    }
    EXPECT_EQ(RozpakujArchiwum("", cel, "*.*", nullptr), -500);
    EXPECT_EQ(RozpakujArchiwum(katalog / "archiwum.zip", "", "*.*", nullptr), -500);
}

TEST(ZipRozpakuj, ZagniezdzoneSciezkiINazwyWindows1250) {
    TArchiwum archiwum(ZbudujZip({
        {.Nazwa = "./"},  // the target directory itself, as bsdtar writes it
        {.Nazwa = "a/b/c.gbk", .Dane = "baza"},
        {.Nazwa = "x\\y\\z.txt", .Dane = "ukośniki"},
        {.Nazwa = "\xA3\xF3\x64\x9F.txt", .Dane = "cp1250"},
        {.Nazwa = "\xC5\x81\xC3\xB3\x64\xC5\xBA-utf8.txt", .Dane = "utf8", .Flagi = 0x0800},
        {.Nazwa = "./kropka//podwojny.txt", .Dane = "puste poziomy"},
    }));
    const std::string cel = archiwum.Katalog / "nowy/glebiej";
    EXPECT_EQ(RozpakujArchiwum(archiwum.Sciezka, cel, "*.*", nullptr), 6);
    EXPECT_EQ(CzytajPlik(cel + "/a/b/c.gbk"), "baza");
    EXPECT_EQ(CzytajPlik(cel + "/x/y/z.txt"), "ukośniki");
    EXPECT_EQ(CzytajPlik(cel + "/Łódź.txt"), "cp1250");
    EXPECT_EQ(CzytajPlik(cel + "/Łódź-utf8.txt"), "utf8");
    EXPECT_EQ(CzytajPlik(cel + "/kropka/podwojny.txt"), "puste poziomy");
}

TEST(ZipRozpakuj, PlikTylkoDoOdczytuNadpisanyIAtrybutyNadane) {
    TArchiwum archiwum(ZbudujZip({
        {.Nazwa = "baza.gbk", .Dane = "nowa", .AtrybutyZewnetrzne = 0x21},
        {.Nazwa = "inny.gbk", .Dane = "zwykły", .AtrybutyZewnetrzne = 0x20},
    }));
    TKatalogTymczasowy cel;
    ZapiszPlik(cel / "baza.gbk", "stara treść");
    ZapiszPlik(cel / "inny.gbk", "stara");
    chmod((cel / "baza.gbk").c_str(), 0444);
    chmod((cel / "inny.gbk").c_str(), 0444);
    EXPECT_EQ(RozpakujArchiwum(archiwum.Sciezka, cel.Sciezka(), "*.*", nullptr), 2);
    EXPECT_EQ(CzytajPlik(cel / "baza.gbk"), "nowa");
    EXPECT_EQ(CzytajPlik(cel / "inny.gbk"), "zwykły");
    struct stat s{};
    ASSERT_EQ(stat((cel / "baza.gbk").c_str(), &s), 0);
    EXPECT_EQ(s.st_mode & 0222, 0u) << "read-only entry keeps no write bit";
    ASSERT_EQ(stat((cel / "inny.gbk").c_str(), &s), 0);
    EXPECT_NE(s.st_mode & 0200, 0u);
    // The entry's DOS time becomes the modification time.
    EXPECT_EQ(s.st_mtime, CzasDosNaUnix(0x5A2E6A10));
}

// Every method with bit 3: the local header holds zeros, the sizes and CRC lie
// in the central directory and in a descriptor after the data.
TEST(ZipRozpakuj, OpisPoDanychDlaKazdejMetody) {
    const std::string dane = Tekst(20000, 3);
    TArchiwum archiwum(ZbudujZip({
        {.Nazwa = "stored", .Dane = dane, .OpisPoDanych = true},
        {.Nazwa = "deflate", .Dane = dane, .Metoda = 8, .OpisPoDanych = true},
        {.Nazwa = "shrink", .Dane = dane, .Metoda = 1, .Spakowane = Shrink(dane, TTrybShrink::KlasyczneLzw), .OpisPoDanych = true},
        {.Nazwa = "implode", .Dane = dane.substr(0, 3000), .Metoda = 6, .Spakowane = Implode(dane.substr(0, 3000), 6), .Flagi = 6, .OpisPoDanych = true},
        {.Nazwa = "pusty", .Dane = "", .OpisPoDanych = true},
    }));
    TKatalogTymczasowy cel;
    EXPECT_EQ(RozpakujArchiwum(archiwum.Sciezka, cel.Sciezka(), "*.*", nullptr), 5);
    for (const char* nazwa : {"stored", "deflate", "shrink"})
        EXPECT_EQ(CzytajPlik(cel / nazwa), dane) << nazwa;
    EXPECT_EQ(CzytajPlik(cel / "implode"), dane.substr(0, 3000));
    EXPECT_EQ(CzytajPlik(cel / "pusty"), "");
}

// A stub in front, offsets not moved (a self-extractor made by concatenation).
TEST(ZipRozpakuj, ArchiwumZaNaglowkiemSamorozpakowujacym) {
    TArchiwum archiwum(ZbudujZip({{.Nazwa = "a.txt", .Dane = Tekst(3000), .Metoda = 8}}, std::string(600, 'M')));
    TKatalogTymczasowy cel;
    EXPECT_EQ(RozpakujArchiwum(archiwum.Sciezka, cel.Sciezka(), "*.*", nullptr), 1);
    EXPECT_EQ(CzytajPlik(cel / "a.txt"), Tekst(3000));
}

TEST(ZipRozpakuj, SciezkiKomponentu) {
    TArchiwum archiwum(ZbudujZip({{.Nazwa = "a.txt", .Dane = "a"}}));
    TKatalogTymczasowy cel;
    const std::string dlugi = cel / std::string(254 - cel.Sciezka().size() - 1, 'k');
    const std::string zaDlugi = dlugi + "x";
    struct TPrzypadek {
        std::string Archiwum, Katalog;
        int32_t Wynik;
    };
    const TPrzypadek przypadki[] = {
        {"", cel.Sciezka(), -500},
        {archiwum.Sciezka, "", -500},
        {archiwum.Sciezka, zaDlugi, -500},
        {archiwum.Sciezka, dlugi, 1},
    };
    for (const auto& p : przypadki) {
        TUnzipInt unzip;
        unzip.UstawArchiwum(p.Archiwum);
        unzip.UstawKatalogDocelowy(p.Katalog);
        EXPECT_EQ(unzip.Rozpakuj(), p.Wynik) << p.Katalog;
    }
    EXPECT_EQ(CzytajPlik(dlugi + "/a.txt"), "a");
    EXPECT_FALSE(fs::exists(zaDlugi));
    EXPECT_EQ(TUnzipInt().Maska(), "*.*");
}

TEST(ZipRaport, Stopien) {
    struct TPrzypadek {
        int64_t Spakowany, Rozmiar;
        uint8_t Stopien;
    };
    const TPrzypadek przypadki[] = {
        {0, 0, 0},   {50, 100, 50},  {100, 100, 0},  {1, 3, 67},
        {150, 100, 206},  // -50 wraps in the byte
        {30000000, 100000000, 70}, {21474837, 21474800, 0},
    };
    for (const auto& p : przypadki)
        EXPECT_EQ(Stopien(p.Spakowany, p.Rozmiar), p.Stopien) << p.Spakowany << "/" << p.Rozmiar;
}

}  // namespace
}  // namespace ramvel::testy
