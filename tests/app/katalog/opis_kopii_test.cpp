#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "app/opis_kopii.h"
#include "katalog/kopie_testowe.h"
#include "wspolne/testy.h"

namespace ramvel {
namespace {

using testy::Opis;
using testy::ZapiszPlik;

TEST(CzytajOpisKopii, KluczeOpisuWPolachRekordu) {
    testy::TKatalogTymczasowy katalog;
    ZapiszPlik(katalog / "FIRMA.kvp", "x");
    ZapiszPlik(katalog / "FIRMA.ini", Opis({{"IloscDysk", "3"},
                                           {"NazwaSkr", "Łódzka Spółka"},
                                           {"PodKatalog", "FIRMA"},
                                           {"Id", "12345"},
                                           {"Czas", "2008-10-10 14:30"},
                                           {"ProgramName", "MORVANTA_SQL"},
                                           {"Wersja", "7.0.1"},
                                           {"LicencjaNazwa", "Żółw sp. z o.o."},
                                           {"LicencjaNr", "-42"},
                                           {"ArchiveExt", "zip"}}));
    TRekKat rekord;
    rekord.DaneSystemowe = true;
    ASSERT_TRUE(CzytajOpisKopii(katalog / "FIRMA.kvp", rekord));
    EXPECT_EQ(rekord.NazwaPliku, katalog / "FIRMA.aaa");
    EXPECT_EQ(rekord.PodKatalog, "FIRMA");
    EXPECT_EQ(rekord.NazwaSkr, "Łódzka Spółka");
    EXPECT_EQ(rekord.ProgramName, "Morvanta PRO");
    EXPECT_EQ(rekord.Wersja, "7.0.1");
    EXPECT_EQ(rekord.LicencjaNazwa, "Żółw sp. z o.o.");
    EXPECT_DOUBLE_EQ(rekord.Czas, 39731 + 14.5 / 24);
    EXPECT_EQ(rekord.IloscDysk, 3);
    EXPECT_EQ(rekord.Id, 12345);
    EXPECT_EQ(rekord.LicencjaNr, -42);
    EXPECT_FALSE(rekord.DaneSystemowe);
    EXPECT_EQ(rekord.ArchiveExt, "zip");
}

TEST(CzytajOpisKopii, BezOpisuFałszAleNazwaPlikuUstawiona) {
    testy::TKatalogTymczasowy katalog;
    ZapiszPlik(katalog / "FIRMA.zip", "x");
    std::filesystem::create_directory(katalog / "FIRMA.ini");  // a directory is no description
    TRekKat rekord;
    EXPECT_FALSE(CzytajOpisKopii(katalog / "FIRMA.zip", rekord));
    EXPECT_EQ(rekord.NazwaPliku, katalog / "FIRMA.aaa");
}

TEST(CzytajOpisKopii, OpisZnajdowanyBezWzgleduNaWielkośćLiter) {
    for (const char* nazwaOpisu : {"firma.INI", "Firma.Ini", "FIRMA.ini"}) {
        testy::TKatalogTymczasowy katalog;
        ZapiszPlik(katalog / "FIRMA.zip", "x");
        ZapiszPlik(katalog / nazwaOpisu, Opis({{"PodKatalog", nazwaOpisu}}));
        TRekKat rekord;
        ASSERT_TRUE(CzytajOpisKopii(katalog / "FIRMA.zip", rekord)) << nazwaOpisu;
        EXPECT_EQ(rekord.PodKatalog, nazwaOpisu);
    }
    // The exact spelling first, then the same choice on every run.
    testy::TKatalogTymczasowy katalog;
    ZapiszPlik(katalog / "Łódź.zip", "x");
    for (const char* nazwa : {"łódź.ini", "ŁÓDŹ.INI", "Łódź.ini"})
        ZapiszPlik(katalog / nazwa, "");
    EXPECT_EQ(PlikOpisuKopii(katalog / "Łódź.zip"), katalog / "Łódź.ini");
    std::filesystem::remove(katalog / "Łódź.ini");
    EXPECT_EQ(PlikOpisuKopii(katalog / "Łódź.zip"), katalog / "ŁÓDŹ.INI");
    EXPECT_EQ(PlikOpisuKopii(katalog / "Lodz.zip"), std::nullopt);
}

struct TZepsutyOpis {
    const char* Nazwa;
    std::string Bajty;
};

TEST(CzytajOpisKopii, ZepsutyOpisDajeWartościDomyślne) {
    const TZepsutyOpis przypadki[] = {
        {"pusty plik", ""},
        {"bez sekcji", "IloscDysk=5\r\nPodKatalog=X\r\n"},
        {"dane binarne", std::string("\0\xff\x81[Kopia\x00]\x90=\x98\r\n\x1a\xfe", 16) + std::string(300, '\0')},
        {"wartości nie liczbowe",
         "[Kopia]\r\nIloscDysk=dwa\r\nId=0x10\r\nLicencjaNr=99999999999\r\nCzas=2008-02-30 25:61\r\n"},
        {"tylko klucze bez wartości", "[Kopia]\nIloscDysk\nPodKatalog\n"},
    };
    for (const auto& p : przypadki) {
        testy::TKatalogTymczasowy katalog;
        ZapiszPlik(katalog / "F.zip", "x");
        ZapiszPlik(katalog / "F.ini", p.Bajty);
        TRekKat rekord;
        ASSERT_TRUE(CzytajOpisKopii(katalog / "F.zip", rekord)) << p.Nazwa;
        EXPECT_EQ(rekord.IloscDysk, 0) << p.Nazwa;
        EXPECT_EQ(rekord.Id, 0) << p.Nazwa;
        EXPECT_EQ(rekord.LicencjaNr, 0) << p.Nazwa;
        EXPECT_EQ(rekord.Czas, 0) << p.Nazwa;
        EXPECT_EQ(rekord.PodKatalog, "") << p.Nazwa;
        EXPECT_EQ(rekord.ProgramName, "") << p.Nazwa;
        EXPECT_EQ(rekord.ArchiveExt, "kvp") << p.Nazwa;
    }
}

TEST(CzytajOpisKopii, NieczytelnyOpisDajeWartościDomyślne) {
    if (geteuid() == 0)
        GTEST_SKIP() << "root czyta każdy plik";
    testy::TKatalogTymczasowy katalog;
    ZapiszPlik(katalog / "F.zip", "x");
    ZapiszPlik(katalog / "F.ini", Opis({{"PodKatalog", "F"}, {"IloscDysk", "2"}}));
    chmod((katalog / "F.ini").c_str(), 0);
    TRekKat rekord;
    ASSERT_TRUE(CzytajOpisKopii(katalog / "F.zip", rekord));
    EXPECT_EQ(rekord.PodKatalog, "");
    EXPECT_EQ(rekord.IloscDysk, 0);
}

TEST(CzytajOpisKopii, CzytaTylkoPoczątekOlbrzymiegoPliku) {
    testy::TKatalogTymczasowy katalog;
    ZapiszPlik(katalog / "F.zip", "x");
    // The key lies far beyond anything a description holds.
    ZapiszPlik(katalog / "F.ini", "[Kopia]\r\n" + std::string(1 << 20, ';') + "\r\nPodKatalog=F\r\n");
    TRekKat rekord;
    ASSERT_TRUE(CzytajOpisKopii(katalog / "F.zip", rekord));
    EXPECT_EQ(rekord.PodKatalog, "");
}

TEST(ZmienRozszerzenie, OstatniaKropkaNazwyNieKatalogu) {
    EXPECT_EQ(ZmienRozszerzenie("/a/FIRMA.zip", ".aaa"), "/a/FIRMA.aaa");
    EXPECT_EQ(ZmienRozszerzenie("/a/FIRMA.x.kvp", ".ini"), "/a/FIRMA.x.ini");
    EXPECT_EQ(ZmienRozszerzenie("/a.b/FIRMA", ".ini"), "/a.b/FIRMA.ini");
    EXPECT_EQ(ZmienRozszerzenie("A:\\K.1\\FIRMA", ".aaa"), "A:\\K.1\\FIRMA.aaa");
}

}  // namespace
}  // namespace ramvel
