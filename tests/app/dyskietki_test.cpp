#include <algorithm>
#include <filesystem>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/dyskietki.h"
#include "platform/plik_ini.h"
#include "platform/srodowisko.h"
#include "ui/skrypt/skrypt.h"
#include "wspolne/testy.h"

namespace ramvel {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

const char* const kZacheta = "Proszę włożyć dyskietkę o nazwie \"Kopia ";
const double k2008_10_10 = 39731.0;  // 2008-10-10 00:00

// A drive A: mapped to a directory of the test; "inserting" a diskette points
// that directory at one of the prepared diskettes.
class DyskietkiTest : public ::testing::Test {
protected:
    void SetUp() override {
        UstawKatalogProgramu(FKatalog.Sciezka());
        TPlikIni(PlikUstawien()).Zapisz("NAPEDY", "A", Stacja());
        FWybrana.NazwaPliku = Stacja() + "/FIRMA.aaa";
        FWybrana.PodKatalog = "FIRMA";
        FWybrana.Id = 7;
        FWybrana.IloscDysk = 3;
        FWybrana.Czas = k2008_10_10 + 0.5;
    }
    void TearDown() override {
        EXPECT_THAT(FSkrypt.Bledy(), IsEmpty());
        UstawKatalogProgramu("");
    }

    std::string Stacja() const { return FKatalog / "stacja"; }
    std::string Temp() const { return FKatalog / "Temp"; }

    // Diskette `nazwa` holding volume file `wolumen` of backup `id`.
    void Dyskietka(const std::string& nazwa, const std::string& wolumen, int id, const std::string& klucz = "FIRMA") {
        const std::string katalog = FKatalog / nazwa;
        fs::create_directory(katalog);
        testy::ZapiszPlik(katalog + "/" + klucz + ".ini",
                          "[Kopia]\r\nPodKatalog=" + klucz + "\r\nId=" + std::to_string(id) + "\r\nIloscDysk=3\r\n");
        if (!wolumen.empty())
            testy::ZapiszPlik(katalog + "/" + wolumen, "tresc " + wolumen);
    }
    std::function<void()> Wloz(const std::string& nazwa) {
        return [this, nazwa] {
            fs::remove(Stacja());
            fs::create_directory_symlink(FKatalog / nazwa, Stacja());
        };
    }
    std::function<void()> Wyjmij() {
        return [this] { fs::remove(Stacja()); };
    }
    std::vector<std::string> Skopiowane() const {
        std::vector<std::string> nazwy;
        for (const auto& w : fs::directory_iterator(Temp()))
            nazwy.push_back(w.path().filename().string());
        std::sort(nazwy.begin(), nazwy.end());
        return nazwy;
    }

    testy::TKatalogTymczasowy FKatalog;
    TSkrypt FSkrypt;
    TRekKat FWybrana;
    TRekKat FSprawdzana;
};

TEST(Dyskietki, NazwyWolumenowITeksty) {
    EXPECT_EQ(RozszerzenieWolumenu(0), ".ini");
    EXPECT_EQ(RozszerzenieWolumenu(1), ".KVP");
    EXPECT_EQ(RozszerzenieWolumenu(2), ".S00");
    EXPECT_EQ(RozszerzenieWolumenu(11), ".S09");
    EXPECT_EQ(RozszerzenieWolumenu(101), ".S99");
    TRekKat r;
    r.PodKatalog = "FIRMA";
    r.Czas = k2008_10_10 + 0.25;
    r.IloscDysk = 1;
    EXPECT_EQ(TekstDyskietki(r, 1), "FIRMA_2008_10");
    r.IloscDysk = 3;
    EXPECT_EQ(TekstDyskietki(r, 2), "FIRMA 2008_10 nr 2\"");
}

TEST_F(DyskietkiTest, TrzyDyskietkiZPomylkamiIInnaKopia) {
    Dyskietka("d1", "FIRMA.KVP", 7);
    Dyskietka("d2", "firma.s00", 7);  // names compare without letter case
    Dyskietka("d3", "FIRMA.S01", 7);
    Dyskietka("inna", "FIRMA.S00", 8);
    Dyskietka("bez_ini", "", 7);
    fs::remove(FKatalog / "bez_ini/FIRMA.ini");
    const std::string z = kZacheta;
    FSkrypt.Oczekuj("Pytanie", z + "FIRMA 2008_10 nr 1\"", "&OK", Wyjmij())
        .Oczekuj("Pytanie", z + "FIRMA 2008_10 nr 1\"", "&OK", Wloz("bez_ini"))   // no medium: asked again
        .Oczekuj("Pytanie", "Niewłaściwa dyskietka - brak pliku ini.", "&OK", Wloz("d1"))
        .Oczekuj("Pytanie", z + "FIRMA 2008_10 nr 2\"", "&OK", Wloz("d3"))
        .Oczekuj("Pytanie", "Niewłaściwa dyskietka. Być może pomylono numery kolejnych dyskietek. Brak pliku \"" +
                                Stacja() + "/FIRMA.S00\".", "&OK", Wloz("inna"))
        .Oczekuj("Pytanie", z + "FIRMA 2008_10 nr 2\"", "&OK")
        .Oczekuj("Pytanie", "Nieprawidłowa identyfikacja dyskietki. Włożona dyskietka pochodzi z innej kopii. Włóż "
                            "poprawny dysk.", "&OK", Wloz("d2"))
        .Oczekuj("Pytanie", z + "FIRMA 2008_10 nr 3\"", "&OK", Wloz("d3"));
    Wloz("d1")();  // the first diskette is still in the drive from the search, and is asked for all the same
    fs::create_directories(Temp() + "/Baza/stare");
    EXPECT_TRUE(WczytajDyskietki(FWybrana, FSprawdzana, Temp()));
    EXPECT_THAT(Skopiowane(), ElementsAre("FIRMA.KVP", "FIRMA.S01", "firma.s00"));
    EXPECT_EQ(testy::CzytajPlik(Temp() + "/firma.s00"), "tresc firma.s00");
}

TEST_F(DyskietkiTest, RezygnacjaZostawiaSkopiowaneWolumeny) {
    Dyskietka("d1", "FIRMA.KVP", 7);
    const std::string z = kZacheta;
    FSkrypt.Oczekuj("Pytanie", z + "FIRMA 2008_10 nr 1\"", "&OK", Wloz("d1"))
        .Oczekuj("Pytanie", z + "FIRMA 2008_10 nr 2\"", "&Anuluj");
    EXPECT_FALSE(WczytajDyskietki(FWybrana, FSprawdzana, Temp()));
    EXPECT_THAT(Skopiowane(), ElementsAre("FIRMA.KVP"));
}

TEST_F(DyskietkiTest, JednaDyskietkaIZeroDyskietek) {
    Dyskietka("d1", "FIRMA.KVP", 7);
    FWybrana.IloscDysk = 1;
    FSkrypt.Oczekuj("Pytanie", std::string(kZacheta) + "FIRMA_2008_10", "&OK", Wloz("d1"));
    EXPECT_TRUE(WczytajDyskietki(FWybrana, FSprawdzana, Temp()));
    EXPECT_THAT(Skopiowane(), ElementsAre("FIRMA.KVP"));
    FWybrana.IloscDysk = 0;
    EXPECT_TRUE(WczytajDyskietki(FWybrana, FSprawdzana, Temp()));
    EXPECT_THAT(Skopiowane(), IsEmpty());
}

}  // namespace
}  // namespace ramvel
