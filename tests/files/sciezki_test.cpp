#include <sys/stat.h>

#include <filesystem>
#include <gtest/gtest.h>

#include "files/sciezki.h"
#include "platform/bledy.h"
#include "wspolne/testy.h"

namespace ramvel {
namespace {

TEST(Sciezki, PolaczSciezkeIKatalogNadrzedny) {
    struct {
        const char* Katalog;
        const char* Nazwa;
        const char* Wynik;
    } const polacz[] = {
        {"C:\\dane", "x.ini", "C:\\dane\\x.ini"}, {"C:\\dane\\", "x.ini", "C:\\dane\\x.ini"},
        {"/srv/a", "b", "/srv/a/b"},             {"/srv/a/", "b", "/srv/a/b"},
        {"", "b", "b"},                          {"C:\\dane", "\\x", "C:\\dane\\\\x"},
        {"/srv", "", "/srv/"},
    };
    for (const auto& p : polacz)
        EXPECT_EQ(PolaczSciezke(p.Katalog, p.Nazwa), p.Wynik) << p.Katalog << " + " << p.Nazwa;

    struct {
        const char* Sciezka;
        const char* Wynik;
    } const nadrzedny[] = {
        {"/srv/a/b.txt", "/srv/a/"}, {"C:\\a\\b", "C:\\a\\"}, {"C:plik", "C:"},
        {"\\\\s\\u\\x", "\\\\s\\u\\"}, {"plik", ""}, {"", ""}, {"/a\\b", "/"},
    };
    for (const auto& p : nadrzedny)
        EXPECT_EQ(KatalogNadrzedny(p.Sciezka), p.Wynik) << p.Sciezka;
}

TEST(Sciezki, UtworzKatalog) {
    testy::TKatalogTymczasowy katalog;
    UtworzKatalog(katalog / "a/b/c");
    EXPECT_TRUE(KatalogIstnieje(katalog / "a/b/c"));
    UtworzKatalog("");                    // nothing
    UtworzKatalog("A:\\kopia");           // diskette paths are left alone
    UtworzKatalog("1dane");               // a relative path not starting with a letter C..Z
    EXPECT_FALSE(KatalogIstnieje("1dane"));
    try {
        UtworzKatalog("ramvel-nie-ma-takiego-katalogu");
        FAIL() << "a missing relative directory must raise";
    } catch (const EBlad& blad) {
        EXPECT_STREQ(blad.what(), "Błąd tworzenia katalogu.");
    }
    testy::ZapiszPlik(katalog / "plik", "x");
    try {
        UtworzKatalog(katalog / "plik/podkatalog");
        FAIL() << "a file in the way must raise";
    } catch (const EBlad& blad) {
        EXPECT_EQ(std::string(blad.what()), "Nie można utworzyć katalogu: " + (katalog / "plik/podkatalog"));
    }
}

TEST(Sciezki, UsunZawartoscKataloguZostawiaPustyKatalogINieWychodziPozaNiego) {
    testy::TKatalogTymczasowy katalog;
    const std::string temp = katalog / "Temp";
    std::filesystem::create_directories(temp + "/a/b");
    std::filesystem::create_directories(katalog / "poza");
    testy::ZapiszPlik(temp + "/ro.gbk", "x");
    testy::ZapiszPlik(temp + "/a/b/ro2", "x");
    testy::ZapiszPlik(katalog / "poza/cenny", "dane");
    chmod((temp + "/ro.gbk").c_str(), 0444);
    chmod((temp + "/a/b/ro2").c_str(), 0444);
    chmod((temp + "/a/b").c_str(), 0555);
    std::filesystem::create_directory_symlink(katalog / "poza", temp + "/dowiazanie");
    UsunZawartoscKatalogu(temp);
    EXPECT_TRUE(KatalogIstnieje(temp));
    EXPECT_TRUE(std::filesystem::is_empty(temp));
    EXPECT_EQ(testy::CzytajPlik(katalog / "poza/cenny"), "dane");
    UsunZawartoscKatalogu(katalog / "nie-ma");  // nothing, no error
}

TEST(Sciezki, TylkoDoOdczytuIRozmiar) {
    testy::TKatalogTymczasowy katalog;
    const std::string plik = katalog / "p";
    testy::ZapiszPlik(plik, "12345");
    EXPECT_EQ(RozmiarPliku(plik), 5);
    EXPECT_EQ(RozmiarPliku(katalog / "brak"), -1);
    EXPECT_FALSE(JestTylkoDoOdczytu(plik));
    EXPECT_TRUE(UstawTylkoDoOdczytu(plik, true));
    EXPECT_TRUE(JestTylkoDoOdczytu(plik));
    EXPECT_TRUE(UstawTylkoDoOdczytu(plik, true));  // no change needed
    EXPECT_TRUE(UstawTylkoDoOdczytu(plik, false));
    EXPECT_FALSE(JestTylkoDoOdczytu(plik));
    EXPECT_FALSE(UstawTylkoDoOdczytu(katalog / "brak", false));
}

TEST(Sciezki, UstawDatePlikuWCzasieLokalnym) {
    testy::TKatalogTymczasowy katalog;
    const std::string plik = katalog / "p";
    testy::ZapiszPlik(plik, "x");
    // 2008-10-10 09:05:06 as DOS date and time.
    const uint32_t data = ((2008 - 1980) << 9) | (10 << 5) | 10;
    const uint32_t czas = (9 << 11) | (5 << 5) | 3;
    UstawDatePliku(plik, (data << 16) | czas);
    struct stat s{};
    ASSERT_EQ(stat(plik.c_str(), &s), 0);
    std::tm lokalny{};
    localtime_r(&s.st_mtime, &lokalny);
    EXPECT_EQ(lokalny.tm_year + 1900, 2008);
    EXPECT_EQ(lokalny.tm_mon + 1, 10);
    EXPECT_EQ(lokalny.tm_mday, 10);
    EXPECT_EQ(lokalny.tm_hour, 9);
    EXPECT_EQ(lokalny.tm_min, 5);
    EXPECT_EQ(lokalny.tm_sec, 6);
}

}  // namespace
}  // namespace ramvel
