// The demo's KVR packer: what it writes the engine reads back byte for byte,
// names and times included, and what it refuses leaves no archive behind.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <utime.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>

#include "archive/paker.h"
#include "narzedzia/spakuj_kvr.h"
#include "platform/bledy.h"
#include "ui/skrypt/okna_paka_skryptu.h"
#include "ui/skrypt/skrypt.h"
#include "wspolne/testy.h"

namespace ramvel {
namespace {

using ::testing::HasSubstr;
using ::testing::IsEmpty;
namespace fs = std::filesystem;

time_t CzasLokalny(int rok, int miesiac, int dzien, int godzina, int minuta, int sekunda) {
    std::tm czas{};
    czas.tm_year = rok - 1900, czas.tm_mon = miesiac - 1, czas.tm_mday = dzien;
    czas.tm_hour = godzina, czas.tm_min = minuta, czas.tm_sec = sekunda;
    czas.tm_isdst = -1;
    return std::mktime(&czas);
}

void UstawCzas(const std::string& plik, time_t czas) {
    const utimbuf czasy{czas, czas};
    ASSERT_EQ(utime(plik.c_str(), &czasy), 0) << plik;
}

time_t CzasZmiany(const std::string& plik) {
    struct stat s {};
    EXPECT_EQ(stat(plik.c_str(), &s), 0) << plik;
    return s.st_mtime;
}

std::string Dane(size_t ile) {
    std::string dane;
    for (unsigned i = 0; dane.size() < ile; ++i)
        dane += "kontrahent " + std::to_string(i * 7919 % 1000) + "; ";
    dane.resize(ile);
    return dane;
}

class SpakujKvr : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("TZ", "Europe/Warsaw", 1);
        tzset();
        fs::create_directories(Zrodlo + "/pod");
        fs::create_directories(Cel);
    }
    void TearDown() override { EXPECT_THAT(Skrypt.Bledy(), IsEmpty()); }

    testy::TKatalogTymczasowy Katalog;
    const std::string Zrodlo = Katalog / "zrodlo";
    const std::string Cel = Katalog / "cel";
    const std::string Archiwum = Katalog / "PIEKARNIA.KVP";
    TSkrypt Skrypt;
    TOknaPakaSkryptu Okna{Skrypt};
};

TEST_F(SpakujKvr, SilnikOdczytujeTeSameBajtyNazwyIDaty) {
    struct TPlik {
        std::string Sciezka;  // under the source; the archive keeps the bare name
        std::string Dane;
        time_t Czas;
    };
    const std::vector<TPlik> pliki = {
        {"PIEKARNIA.gbk", Dane(100000), CzasLokalny(2008, 10, 15, 16, 44, 58)},  // summer time, several blocks
        {"pod/systemkv.gbk", Dane(32768), CzasLokalny(2008, 11, 20, 9, 5, 0)},  // a whole block and an empty one
        {"Zażółć gęślą.txt", "ż", CzasLokalny(2021, 1, 2, 3, 4, 6)},
    };
    std::vector<std::string> sciezki;
    for (const auto& p : pliki) {
        sciezki.push_back(Zrodlo + "/" + p.Sciezka);
        testy::ZapiszPlik(sciezki.back(), p.Dane);
        UstawCzas(sciezki.back(), p.Czas);
    }

    testy::SpakujKvr(Archiwum, sciezki);

    Tpaker paker;
    EXPECT_TRUE(paker.Dekompresuj("+o+y-w-p", Katalog / "PIEKARNIA", Cel, ""));
    EXPECT_THAT(paker.Bledy(), IsEmpty());
    size_t ile = 0;
    for ([[maybe_unused]] const auto& wpis : fs::directory_iterator(Cel))
        ++ile;
    EXPECT_EQ(ile, pliki.size());
    for (const auto& p : pliki) {
        const std::string odczytany = Cel + "/" + fs::path(p.Sciezka).filename().string();
        ASSERT_TRUE(fs::exists(odczytany)) << odczytany;
        EXPECT_EQ(testy::CzytajPlik(odczytany), p.Dane) << p.Sciezka;
        EXPECT_EQ(CzasZmiany(odczytany), p.Czas) << p.Sciezka;
    }
}

TEST_F(SpakujKvr, OdmowaNieZostawiaArchiwum) {
    testy::ZapiszPlik(Zrodlo + "/A.gbk", "aaa");
    testy::ZapiszPlik(Zrodlo + "/pusty.gbk", "");
    testy::ZapiszPlik(Zrodlo + "/日本.gbk", "bbb");
    struct TPrzypadek {
        std::string Plik, Tresc;
    };
    const std::vector<TPrzypadek> przypadki = {
        {Zrodlo + "/brak.gbk", "Nie można odczytać pliku"},
        {Zrodlo + "/pusty.gbk", "rozmiar 0 kończy archiwum"},
        {Zrodlo + "/pod", "nie jest zwykłym plikiem"},
        {Zrodlo + "/日本.gbk", "Windows-1250"},
    };
    for (const auto& p : przypadki) {
        // An earlier archive under the same name stays as it was.
        testy::ZapiszPlik(Archiwum, "poprzednie");
        try {
            testy::SpakujKvr(Archiwum, {Zrodlo + "/A.gbk", p.Plik});
            ADD_FAILURE() << "przyjęty: " << p.Plik;
        } catch (const EBlad& blad) {
            EXPECT_THAT(blad.what(), HasSubstr(p.Tresc)) << p.Plik;
        }
        EXPECT_EQ(testy::CzytajPlik(Archiwum), "poprzednie") << p.Plik;
        EXPECT_FALSE(fs::exists(Archiwum + ".nowy")) << p.Plik;
    }
}

}  // namespace
}  // namespace ramvel
