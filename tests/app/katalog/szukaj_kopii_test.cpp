#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "app/szukaj_kopii.h"
#include "katalog/kopie_testowe.h"
#include "wspolne/testy.h"

namespace ramvel {
namespace {

using testing::ElementsAre;
using testy::Opis;
using testy::ZapiszKopie;
using testy::ZapiszPlik;

// "key: archive" for every record, companies in list order.
std::vector<std::string> Zawartosc(const TListaFirm& lista) {
    std::vector<std::string> wynik;
    for (int i = 0; i < lista.Ilosc(); ++i)
        for (const auto& kopia : lista.Firma(i)->Kopie)
            wynik.push_back(lista.Firma(i)->Klucz + ": " + std::filesystem::path(kopia->NazwaPliku).filename().string());
    return wynik;
}

TEST(JestArchiwum, RozszerzenieBędąceCzęściąZipKvp) {
    struct {
        const char* Nazwa;
        bool Archiwum;
    } const przypadki[] = {
        {"FIRMA.zip", true}, {"FIRMA.ZIP", true}, {"FIRMA.Kvp", true}, {"FIRMA.z", true},
        {"FIRMA.kv", true},  {"FIRMA.ip", false}, {"FIRMA.txt", false}, {"FIRMA.ini", false},
        {"FIRMA", false},    {"FIRMA.zipx", false}, {"/k.zip/FIRMA", false}, {"FIRMA.zip.kvp", true},
        {"FIRMA.p.k", true}, {"FIRMA.i", false}, {"FIRMA.", true},
    };
    for (const auto& p : przypadki)
        EXPECT_EQ(JestArchiwum(p.Nazwa), p.Archiwum) << p.Nazwa;
}

TEST(PasujeDoWzorca, ZnakZapytaniaToDokładnieJedenZnak) {
    EXPECT_TRUE(PasujeDoWzorca("2008_10", "????_??"));
    EXPECT_TRUE(PasujeDoWzorca("łódź_źż", "????_??"));
    EXPECT_TRUE(PasujeDoWzorca("abcd_EF", "????_??"));
    EXPECT_FALSE(PasujeDoWzorca("2008_1", "????_??"));
    EXPECT_FALSE(PasujeDoWzorca("2008_100", "????_??"));
    EXPECT_FALSE(PasujeDoWzorca("2008-10", "????_??"));
    EXPECT_FALSE(PasujeDoWzorca("", "????_??"));
}

TEST(SzukajWKatalogu, TylkoArchiwaZOpisemProgramuMorvanta) {
    testy::TKatalogTymczasowy katalog;
    ZapiszKopie(katalog.Sciezka(), "JEST", "JEST", "2008-10-10 9:05");
    ZapiszPlik(katalog / "BEZOPISU.zip", "x");
    ZapiszPlik(katalog / "TEKST.txt", "x");
    ZapiszPlik(katalog / "TEKST.ini", Opis({{"PodKatalog", "TEKST"}}));
    ZapiszPlik(katalog / "MALE.zip", "x");
    ZapiszPlik(katalog / "MALE.ini", Opis({{"PodKatalog", "MALE"}, {"ProgramName", "morvanta_sql"}}));
    ZapiszPlik(katalog / "INNY.zip", "x");
    ZapiszPlik(katalog / "INNY.ini", Opis({{"PodKatalog", "INNY"}, {"ProgramName", "Inny program"}}));
    ZapiszPlik(katalog / "PUSTY.kvp", "x");
    ZapiszPlik(katalog / "PUSTY.ini", Opis({{"PodKatalog", "PUSTY"}}));
    ZapiszPlik(katalog / "NAZWA.zip", "x");
    ZapiszPlik(katalog / "NAZWA.ini", Opis({{"PodKatalog", "NAZWA"}, {"ProgramName", "morvanta PRO"}}));
    ZapiszPlik(katalog / ".UKRYTY.zip", "x");
    ZapiszPlik(katalog / ".UKRYTY.ini", Opis({{"PodKatalog", "UKRYTY"}}));
    std::filesystem::create_directory(katalog / "KATALOG.zip");
    ZapiszPlik(katalog / "KATALOG.ini", Opis({{"PodKatalog", "KATALOG"}}));
    ASSERT_EQ(mkfifo((katalog / "KOLEJKA.zip").c_str(), 0600), 0);
    ZapiszPlik(katalog / "KOLEJKA.ini", Opis({{"PodKatalog", "KOLEJKA"}}));
    // A description that would block whoever opened it for reading.
    ZapiszPlik(katalog / "ZABLOKUJ.zip", "x");
    ASSERT_EQ(mkfifo((katalog / "ZABLOKUJ.ini").c_str(), 0600), 0);

    TListaFirm lista;
    SzukajWKatalogu(katalog.Sciezka(), lista);
    EXPECT_THAT(Zawartosc(lista), ElementsAre("JEST: JEST.aaa", "NAZWA: NAZWA.aaa", "PUSTY: PUSTY.aaa"));
}

TEST(SzukajWKatalogu, DwaArchiwaJednegoOpisu) {
    testy::TKatalogTymczasowy katalog;
    ZapiszKopie(katalog.Sciezka(), "FIRMA", "FIRMA", "2008-10-10 9:05", "zip");
    ZapiszPlik(katalog / "FIRMA.kvp", "x");
    TListaFirm lista;
    SzukajWKatalogu(katalog.Sciezka(), lista);
    ASSERT_EQ(lista.Ilosc(), 1);
    const auto& kopie = lista.Firma(0)->Kopie;
    ASSERT_EQ(kopie.size(), 2u);
    EXPECT_EQ(kopie[0]->Czas, kopie[1]->Czas);
    EXPECT_EQ(kopie[0]->NazwaSkr, kopie[1]->NazwaSkr);
    EXPECT_EQ(kopie[0]->NazwaPliku, kopie[1]->NazwaPliku);
}

TEST(SzukajWKatalogu, BrakKataloguNicNieDaje) {
    testy::TKatalogTymczasowy katalog;
    ZapiszKopie(katalog.Sciezka(), "FIRMA", "FIRMA", "2008-10-10 9:05");
    TListaFirm lista;
    SzukajWKatalogu(katalog / "nie-ma", lista);
    SzukajWKatalogu(katalog / "FIRMA.zip", lista);  // a file, not a directory
    SzukajWKatalogu("", lista);
    EXPECT_TRUE(lista.Pusta());
}

TEST(SzukajKopii, JedenPoziomPodkatalogówOdNazwieRokMiesiąc) {
    testy::TKatalogTymczasowy katalog;
    const std::string k = katalog.Sciezka();
    ZapiszKopie(k, "A0", "A0", "2008-10-01 9:00");
    ZapiszKopie(k + "/2008_10", "A1", "A1", "2008-10-02 9:00");
    ZapiszKopie(k + "/2008_11", "A2", "A2", "2008-10-03 9:00");
    ZapiszKopie(k + "/2008_11/2008_12", "GLEBIEJ", "GLEBIEJ", "2008-10-04 9:00");
    ZapiszKopie(k + "/2008_1", "KROTKI", "KROTKI", "2008-10-05 9:00");
    ZapiszKopie(k + "/2008_100", "DLUGI", "DLUGI", "2008-10-06 9:00");
    ZapiszKopie(k + "/.008_10", "UKRYTY", "UKRYTY", "2008-10-07 9:00");
    ZapiszKopie(k + "/inny", "INNY", "INNY", "2008-10-08 9:00");
    ZapiszPlik(k + "/2008_12", "plik, nie katalog");

    TListaFirm lista;
    SzukajKopii(k, lista);
    EXPECT_THAT(Zawartosc(lista), ElementsAre("A0: A0.aaa", "A1: A1.aaa", "A2: A2.aaa"));
}

TEST(SzukajKopii, KolejnośćJakWWindowsWielkimiLiterami) {
    // The first spelling found names the company, so the order must not
    // depend on the directory's own order.
    testy::TKatalogTymczasowy katalog;
    ZapiszKopie(katalog.Sciezka(), "b", "Firma", "2008-10-02 9:00");
    ZapiszKopie(katalog.Sciezka(), "A", "FIRMA", "2008-10-01 9:00");
    ZapiszKopie(katalog.Sciezka(), "C", "firma", "2008-10-03 9:00");
    TListaFirm lista;
    SzukajKopii(katalog.Sciezka(), lista);
    EXPECT_THAT(Zawartosc(lista), ElementsAre("FIRMA: A.aaa", "FIRMA: b.aaa", "FIRMA: C.aaa"));
}

}  // namespace
}  // namespace ramvel
