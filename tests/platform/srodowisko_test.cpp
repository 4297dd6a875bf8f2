#include <gtest/gtest.h>

#include "platform/napedy.h"
#include "platform/plik_ini.h"
#include "platform/srodowisko.h"
#include "platform/wersja.h"
#include "wspolne/testy.h"

#include <algorithm>
#include <filesystem>

using namespace std::string_literals;

namespace ramvel {
namespace {

TEST(Wersja, BlokWPlikuIBezNiego) {
    testy::TKatalogTymczasowy katalog;
    testy::ZapiszPlik(katalog / "bez", std::string(5000, 'x'));
    testy::ZapiszPlik(katalog / "z", "naglowek\0"s + BlokWersjiProgramu() + "ogon");
    EXPECT_EQ(WersjaPliku(katalog / "bez", "FileVersion"), "");
    EXPECT_EQ(WersjaPliku(katalog / "brak", "FileVersion"), "");
    const std::string wersja = WersjaPliku(katalog / "z", "FileVersion");
    EXPECT_EQ(std::count(wersja.begin(), wersja.end(), '.'), 3) << wersja;
    EXPECT_EQ(WersjaPliku(katalog / "z", "FileVer"), wersja);
    EXPECT_EQ(WersjaPliku(katalog / "z", "ProductVersion"), wersja);
    EXPECT_EQ(WersjaPliku(katalog / "z", "CompanyName"), "");
    // The test program itself carries the block through the platform library.
    EXPECT_EQ(WersjaProgramu("FileVersion"), wersja);
}

TEST(Napedy, TablicaNapedowZUstawien) {
    testy::TKatalogTymczasowy katalog;
    UstawKatalogProgramu(katalog.Sciezka());
    EXPECT_EQ(KatalogNapedu('A'), "/media/floppy0");
    EXPECT_EQ(KatalogNapedu('b'), "/media/floppy1");
    EXPECT_EQ(KatalogNapedu('C'), std::nullopt);
    TPlikIni(PlikUstawien()).Zapisz("NAPEDY", "a", katalog / "dyskietka/");
    EXPECT_EQ(KatalogNapedu('A'), katalog / "dyskietka");
    EXPECT_FALSE(NosnikObecny(katalog / "dyskietka"));
    std::filesystem::create_directory(katalog / "dyskietka");
    EXPECT_TRUE(NosnikObecny(katalog / "dyskietka"));
    EXPECT_GT(WolneBajty(katalog / "dyskietka"), 0);
    EXPECT_GT(WolneBajty(katalog / "dyskietka/nie/ma"), 0);  // the nearest existing level
    // Under /media a directory without a mounted file system holds no medium.
    EXPECT_FALSE(NosnikObecny("/media/ramvel-nie-ma-takiego"));
    UstawKatalogProgramu("");
}

TEST(Srodowisko, KatalogProgramuZParametru) {
    UstawParametry({"--katalog=/srv/morvanta/", "/S:X"});
    EXPECT_EQ(KatalogProgramu(), "/srv/morvanta");
    EXPECT_EQ(PlikUstawien(), "/srv/morvanta/ramvel.ini");
    UstawParametry(std::vector<std::string>{});
    UstawKatalogProgramu("");
    EXPECT_FALSE(KatalogProgramu().empty());
}

}  // namespace
}  // namespace ramvel
