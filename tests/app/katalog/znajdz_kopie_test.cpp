#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "app/glowna.h"
#include "app/obsluga.h"
#include "katalog/kopie_testowe.h"
#include "platform/srodowisko.h"
#include "ui/skrypt/skrypt.h"
#include "ui/skrypt/wybor_katalogu_skryptu.h"
#include "wspolne/testy.h"

namespace ramvel {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;
using testy::ZapiszKopie;
using testy::ZapiszPlik;

// Dates and times show as a Polish user's regional settings give them.
class TRegionPolski : public testing::Environment {
public:
    void SetUp() override { setenv("LC_ALL", "pl_PL.UTF-8", 1); }
};
const auto* const RegionPolski = testing::AddGlobalTestEnvironment(new TRegionPolski);

const char* const BrakBazySet =
    "Niewłaściwe miejsce uruchomienia programu. Nie można znależć katalogu danych.^Program zostanie zakończony.";
const char* const BazaNieLokalna = "Program współpracuje tylko z lokalną bazą danych.^Program zostanie zakończony.";
const char* const NicNieZnaleziono = "Nie znaleziono kopii żadnej firmy.";
const char* const PytanieODyskietke = "Włóż dyskietkę. Czy kontynuować?";

class TWidokZapisujacy : public IWidokGlowny {
public:
    void Odswiez(const TFormaGlowna&) override { ++Odswiezenia; }
    void Zamknij() override { Zamkniety = true; }
    void FokusNaPathInnaLok() override { Fokus = true; }
    int Odswiezenia = 0;
    bool Zamkniety = false;
    bool Fokus = false;
};

// A Morvanta PRO program directory with a local baza.set; drive A: is the
// directory "stacja" in it.
class ZnajdzKopie : public testing::Test {
protected:
    ZnajdzKopie() : FPoprzedniKatalog(KatalogProgramu()), FPoprzednieParametry(ParametryProgramu()) {
        UstawKatalogProgramu(FProgram.Sciezka());
        UstawParametry(std::vector<std::string>{});
        ZapiszPlik(FProgram / "ramvel.ini", "[NAPEDY]\r\nA=" + Stacja() + "\r\n");
        BazaSet("[MAIN]\r\nREMOTE=0\r\n");
    }
    ~ZnajdzKopie() override {
        UstawParametry(FPoprzednieParametry);
        UstawKatalogProgramu(FPoprzedniKatalog);
    }
    void TearDown() override { EXPECT_THAT(FSkrypt.Bledy(), IsEmpty()); }

    void BazaSet(const std::string& tresc) { ZapiszPlik(FProgram / "baza.set", tresc); }
    std::string Stacja() const { return FProgram / "stacja"; }
    std::string Arch(const std::string& podkatalog) const { return FProgram / ("Kopia/" + podkatalog); }

    // A window on page 1 with the source chosen, after "Start".
    std::unique_ptr<TGlowna> Start(int zrodlo, const std::string& sciezka = "") {
        auto glowna = std::make_unique<TGlowna>(FWidok, PlikUstawien());
        glowna->rgRodzKopiiClick(zrodlo);
        glowna->Forma().PathInnaLok = sciezka;
        ObsluzZdarzenie([&] { glowna->btnStartClick(); });
        return glowna;
    }

    testy::TKatalogTymczasowy FProgram;
    std::string FPoprzedniKatalog;
    std::vector<std::string> FPoprzednieParametry;
    TSkrypt FSkrypt;
    TWidokZapisujacy FWidok;
};

TEST_F(ZnajdzKopie, KopieAutomatyczneTrzechFirm) {
    ZapiszKopie(Arch("Arch01/2008_10"), "Mazury", "Mazury", "2008-10-10 9:05", "kvp");
    ZapiszKopie(Arch("Arch02/2008_11"), "MAZURY", "MAZURY", "2008-11-03 14:30", "zip");
    ZapiszKopie(Arch("Arch01/2008_10"), "Łódź", "Łódź", "2008-10-11 8:00");
    ZapiszKopie(Arch("Arch02"), "Lodz", "Lodz", "2008-10-12 0:00");
    ZapiszKopie(Arch("Arch20"), "Lodz", "Lodz", "2008-10-01 12:00");
    FSkrypt.Info("Znaleziono kopię 3 firm.");
    auto glowna = Start(1);
    const TFormaGlowna& f = glowna->Forma();

    EXPECT_EQ(f.Strona, 2);
    EXPECT_EQ(f.Wysokosc, 412);
    EXPECT_THAT(f.Firmy, ElementsAre("Lodz", "Łódź", "Mazury"));
    EXPECT_EQ(f.WybranaFirma, 0);
    EXPECT_THAT(f.Kopie, ElementsAre("1.10.2008 12:00:00  zip", "12.10.2008  zip"));
    EXPECT_EQ(f.WybranaKopia, 1);
    EXPECT_EQ(f.DataCzas, "12.10.2008");

    glowna->cbAcceptClick(true);
    glowna->cmbKopieChange(2);
    EXPECT_THAT(f.Kopie, ElementsAre("10.10.2008 09:05:00  kvp", "3.11.2008 14:30:00  zip"));
    EXPECT_EQ(f.WybranaKopia, 1);
    EXPECT_EQ(f.Ident, "MAZURY");
    EXPECT_EQ(f.Opis, "Opis MAZURY");
    EXPECT_EQ(f.DataCzas, "3.11.2008 14:30:00");
    EXPECT_EQ(f.IlDysk, "1");
    EXPECT_EQ(f.DaneLic, ", Nr = 0");
    EXPECT_EQ(f.DaneProg, "Morvanta PRO 2.1");
    EXPECT_FALSE(f.Akceptacja);
    // The spelling found first names the company.
    EXPECT_EQ(f.Firmy[2], "Mazury");

    glowna->cbAcceptClick(true);
    glowna->cmbDataKopiiChange(0);
    EXPECT_EQ(f.Ident, "Mazury");
    EXPECT_EQ(f.DataCzas, "10.10.2008 09:05:00");
    EXPECT_FALSE(f.Akceptacja);
    const TRekKat* wybrana = glowna->FListaFirm.Kopia(f.WybranaFirma, f.WybranaKopia);
    ASSERT_NE(wybrana, nullptr);
    EXPECT_EQ(wybrana->NazwaPliku, Arch("Arch01/2008_10/Mazury.aaa"));

    // No company chosen: nothing changes.
    glowna->cmbKopieChange(-1);
    EXPECT_EQ(f.WybranaFirma, 2);
    EXPECT_EQ(f.Ident, "Mazury");
}

TEST_F(ZnajdzKopie, JednaFirmaINicNieZnaleziono) {
    FSkrypt.Info(NicNieZnaleziono);
    auto glowna = Start(1);  // no Kopia directory at all
    EXPECT_EQ(glowna->Forma().Strona, 1);
    EXPECT_EQ(glowna->Forma().Wysokosc, 210);

    ZapiszKopie(FProgram / "inne", "FIRMA", "FIRMA", "2008-10-10 9:05");
    ZapiszKopie(FProgram / "inne", "Firma2", "firma", "2008-10-11 9:05");
    FSkrypt.Info("Znaleziono kopię jednej firmy.");
    glowna->rgRodzKopiiClick(2);
    glowna->Forma().PathInnaLok = FProgram / "inne";
    ObsluzZdarzenie([&] { glowna->btnStartClick(); });
    EXPECT_EQ(glowna->Forma().Strona, 2);
    EXPECT_THAT(glowna->Forma().Firmy, ElementsAre("FIRMA"));
    EXPECT_EQ(glowna->Forma().Kopie.size(), 2u);

    // A new search starts from scratch: "Wróć", then a source with nothing.
    glowna->btnCofnijClick();
    glowna->Forma().PathInnaLok = FProgram / "pusty";
    FSkrypt.Info(NicNieZnaleziono);
    ObsluzZdarzenie([&] { glowna->btnStartClick(); });
    EXPECT_TRUE(glowna->FListaFirm.Pusta());
    EXPECT_EQ(glowna->Forma().Strona, 1);
}

TEST_F(ZnajdzKopie, PustaŚcieżkaInnejLokalizacji) {
    FSkrypt.Info("Podaj katalog źródłowy.");
    auto glowna = Start(2, "");
    EXPECT_TRUE(FWidok.Fokus);
    EXPECT_EQ(glowna->Forma().Strona, 1);
    EXPECT_FALSE(FWidok.Zamkniety);
}

TEST_F(ZnajdzKopie, BezBazySetProgramSięKończy) {
    std::filesystem::remove(FProgram / "baza.set");
    ZapiszKopie(Arch("Arch01"), "FIRMA", "FIRMA", "2008-10-10 9:05");
    FSkrypt.Info(BrakBazySet);
    auto glowna = Start(1);
    EXPECT_TRUE(FWidok.Zamkniety);
    EXPECT_EQ(glowna->Forma().Strona, 1);
}

TEST_F(ZnajdzKopie, TylkoLokalnaBaza) {
    ZapiszKopie(Arch("Arch01"), "FIRMA", "FIRMA", "2008-10-10 9:05");
    UstawParametry(std::vector<std::string>{"/S:Ksiegowosc"});
    struct {
        const char* BazaSet;
        bool Lokalna;
    } const przypadki[] = {
        {"[MAIN]\r\nREMOTE=0\r\nSERWER_NAME=daleki\r\n", true},
        {"[main]\r\nremote=1\r\nserwer_name=LOCALHOST\r\n", true},
        {"[MAIN]\r\nREMOTE=1\r\nSERWER_NAME=KSIEGOWOSC\r\n", true},  // this computer's name
        {"[MAIN]\r\nSERWER_NAME=localhost\r\n", true},
        {"[MAIN]\r\nREMOTE=1\r\nSERWER_NAME=serwer.firma.pl\r\n", false},
        {"[MAIN]\r\nREMOTE=0x0\r\nSERWER_NAME=serwer\r\n", false},  // exactly "0" only
        {"[MAIN]\r\nREMOTE=1\r\nSERWER_NAME=\r\n", false},
        {"[MAIN]\r\nDATABASE_DIR=/srv\r\n", false},  // neither key
        {"", false},
    };
    TGlowna glowna(FWidok, PlikUstawien());
    glowna.rgRodzKopiiClick(1);
    for (const auto& p : przypadki) {
        BazaSet(p.BazaSet);
        glowna.btnCofnijClick();
        FWidok.Zamkniety = false;
        if (p.Lokalna)
            FSkrypt.Info("Znaleziono kopię jednej firmy.");
        else
            FSkrypt.Info(BazaNieLokalna);
        ObsluzZdarzenie([&] { glowna.btnStartClick(); });
        EXPECT_EQ(FWidok.Zamkniety, !p.Lokalna) << p.BazaSet;
        EXPECT_EQ(glowna.Forma().Strona, p.Lokalna ? 2 : 1) << p.BazaSet;
    }
}

TEST_F(ZnajdzKopie, KatalogIRozszerzenieBazy) {
    ZapiszKopie(Arch("Arch01"), "FIRMA", "FIRMA", "2008-10-10 9:05");
    FSkrypt.Info("Znaleziono kopię jednej firmy.").Info("Znaleziono kopię jednej firmy.");
    auto glowna = Start(1);
    EXPECT_EQ(glowna->FKatalogBazy, FProgram / "BAZA");
    EXPECT_EQ(glowna->FRozszerzenieBazy, ".gdb");

    std::filesystem::remove(FProgram / "baza.set");
    ZapiszPlik(FProgram / "BAZA.SET", "[MAIN]\r\nREMOTE=0\r\nDATABASE_DIR=/srv/dane/\r\nDATABASE_FILE_EXT=.fdb\r\n");
    glowna->btnCofnijClick();
    ObsluzZdarzenie([&] { glowna->btnStartClick(); });
    EXPECT_EQ(glowna->FKatalogBazy, "/srv/dane/");
    EXPECT_EQ(glowna->FRozszerzenieBazy, ".fdb");
    EXPECT_EQ(glowna->NazwaPlikuBazy("FIRMA"), "FIRMA.fdb");
}

TEST_F(ZnajdzKopie, DyskietkaPytaAżJestNośnik) {
    ZapiszKopie(FProgram / "kopia-na-dyskietce", "FIRMA", "FIRMA", "2008-10-10 9:05", "kvp");
    const auto wlozDyskietke = [&] {
        std::filesystem::rename(FProgram / "kopia-na-dyskietce", Stacja());
    };
    FSkrypt.Pytanie(PytanieODyskietke, "&Tak")
        .Pytanie(PytanieODyskietke, "&Tak")
        .Potem(wlozDyskietke)
        .Info("Znaleziono kopię jednej firmy.");
    auto glowna = Start(0);
    ASSERT_EQ(glowna->Forma().Strona, 2);
    EXPECT_EQ(glowna->FListaFirm.Kopia(0, 0)->NazwaPliku, Stacja() + "/FIRMA.aaa");
}

TEST_F(ZnajdzKopie, DyskietkaNieZostajeNaStronie1) {
    FSkrypt.Pytanie(PytanieODyskietke, "&Tak").Pytanie(PytanieODyskietke, "&Nie");
    auto glowna = Start(0);
    EXPECT_EQ(glowna->Forma().Strona, 1);
    EXPECT_FALSE(FWidok.Zamkniety);
}

TEST_F(ZnajdzKopie, PrzyciskiWybieraniaKatalogu) {
    TWyborKataloguSkryptu wybor(FSkrypt);
    TGlowna glowna(FWidok, PlikUstawien());
    glowna.Forma().PathInnaLok = "/kopie";
    glowna.Forma().PathRozpakuj = "/cel";
    FSkrypt.Oczekuj("Katalog", "Podaj katalog: Podaj katalog w którym jest kopia [/kopie]", "/media/usb/kopie")
        .Oczekuj("Katalog", "Podaj katalog: Podaj katalog do którego odtworzyć dane [/cel]", "&Anuluj")
        .Oczekuj("Katalog", "Podaj katalog: Podaj katalog do którego odtworzyć dane [/cel]", "/dane");
    glowna.slbtnInnaLokClick();
    EXPECT_EQ(glowna.Forma().PathInnaLok, "/media/usb/kopie");
    glowna.slBtnRozpakujClick();
    EXPECT_EQ(glowna.Forma().PathRozpakuj, "/cel");
    glowna.slBtnRozpakujClick();
    EXPECT_EQ(glowna.Forma().PathRozpakuj, "/dane");
}

}  // namespace
}  // namespace ramvel
