#include <filesystem>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/glowna.h"
#include "app/obsluga.h"
#include "platform/bledy.h"
#include "ui/skrypt/skrypt.h"
#include "wspolne/testy.h"

namespace ramvel {
namespace {

using ::testing::IsEmpty;

class TWidokTestowy : public IWidokGlowny {
public:
    void Odswiez(const TFormaGlowna& forma) override { Ostatni = forma; ++Odswiezenia; }
    void Zamknij() override { Zamkniety = true; }
    TFormaGlowna Ostatni;
    int Odswiezenia = 0;
    bool Zamkniety = false;
};

class GlownaTest : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_THAT(FSkrypt.Bledy(), IsEmpty()); }
    std::string Ini() const { return FKatalog / "ramvel.ini"; }

    testy::TKatalogTymczasowy FKatalog;
    TSkrypt FSkrypt;
    TWidokTestowy FWidok;
};

TEST_F(GlownaTest, RodzOdtwarzZUstawien) {
    struct {
        const char* Wartosc;
        int Element;
    } const przypadki[] = {{"7", 0}, {"-1", 0}, {"2", 2}, {"1", 1}, {"", 0}, {"x", 0}};
    for (const auto& p : przypadki) {
        testy::ZapiszPlik(Ini(), std::string("[USTAWIENIA]\r\nRodzOdtwarz=") + p.Wartosc + "\r\nPathInnaLokal=/kopie\r\n");
        TGlowna glowna(FWidok, Ini());
        EXPECT_EQ(FWidok.Ostatni.RodzKopii, p.Element) << p.Wartosc;
        EXPECT_EQ(FWidok.Ostatni.PathInnaLokWidoczna, p.Element == 2) << p.Wartosc;
        EXPECT_EQ(FWidok.Ostatni.PathInnaLok, "/kopie");
        EXPECT_EQ(FWidok.Ostatni.Strona, 1);
        EXPECT_EQ(FWidok.Ostatni.Wysokosc, 210);
    }
}

TEST_F(GlownaTest, BezPlikuUstawienZapisujeTylkoToCoTrzeba) {
    {
        TGlowna glowna(FWidok, Ini());
        EXPECT_EQ(glowna.Forma().PathInnaLok, "");
        EXPECT_EQ(glowna.Forma().PathRozpakuj, "");
        glowna.Forma().PathInnaLok = "/gdzies";  // typed, but item 2 is not chosen
    }
    EXPECT_EQ(testy::CzytajPlik(Ini()), "[USTAWIENIA]\r\nRodzOdtwarz=0\r\n");
    {
        TGlowna glowna(FWidok, Ini());
        glowna.rgRodzKopiiClick(2);
        glowna.Forma().PathInnaLok = "/kopie";
        glowna.rpRozpakWInneClick();
        glowna.Forma().PathRozpakuj = "/cel";
    }
    EXPECT_EQ(testy::CzytajPlik(Ini()),
              "[USTAWIENIA]\r\nRodzOdtwarz=2\r\nPathInnaLokal=/kopie\r\nPathInneMiejsce=/cel\r\n");
}

TEST_F(GlownaTest, NiezapisywalnyPlikUstawien) {
    std::filesystem::create_directory(Ini());  // neither readable nor writable as a file
    FSkrypt.Info("Nie można odczytać ustawień z pliku .INI")
        .Info("Nie można odczytać ustawień z pliku .INI")
        .Info("Nie można odczytać ustawień z pliku .INI")
        .Info("Nie można zapisać do ustawień do pliku .INI");
    TGlowna glowna(FWidok, Ini());
    EXPECT_EQ(glowna.Forma().RodzKopii, 0);
    glowna.FormClose();
}

TEST_F(GlownaTest, StronyMiejsceDoceloweIPrzyciski) {
    TGlowna glowna(FWidok, Ini());
    EXPECT_THAT(glowna.Forma().Tytul, ::testing::StartsWith("Ramvel dla programu Morvanta PRO "));
    glowna.rpRozpakWInneClick();
    EXPECT_TRUE(FWidok.Ostatni.PathRozpakujWidoczna);
    EXPECT_FALSE(FWidok.Ostatni.RozpakDoFirmy);
    glowna.rbRozpakDoFirmyClick();
    EXPECT_FALSE(FWidok.Ostatni.PathRozpakujWidoczna);
    glowna.ZablokujPrzyciski(true);
    EXPECT_TRUE(FWidok.Ostatni.PrzyciskiZablokowane);
    glowna.Forma().Strona = 2;
    glowna.Forma().Wysokosc = kWysokoscStrony2;
    glowna.rgRodzKopiiClick(1);
    glowna.btnCofnijClick();
    EXPECT_EQ(FWidok.Ostatni.Strona, 1);
    EXPECT_EQ(FWidok.Ostatni.Wysokosc, 210);
    EXPECT_EQ(FWidok.Ostatni.RodzKopii, 1);
    glowna.btnAnulujClick();
    EXPECT_TRUE(FWidok.Zamkniety);
}

TEST_F(GlownaTest, NazwaPlikuBazy) {
    TGlowna glowna(FWidok, Ini());
    glowna.FRozszerzenieBazy = ".FDB";
    EXPECT_EQ(glowna.NazwaPlikuBazy("FIRMA"), "FIRMA.FDB");
    EXPECT_EQ(glowna.NazwaPlikuBazy("FIRMA.GBK"), "FIRMA.FDB");
    EXPECT_EQ(glowna.NazwaPlikuBazy("a.b.GBK"), "a.b.FDB");
}

TEST(Obsluga, PrzerwanieBezKomunikatuInneZKomunikatem) {
    TSkrypt skrypt;
    skrypt.Blad("Nie można utworzyć katalogu: /x");
    EXPECT_FALSE(ObsluzZdarzenie([] { throw EPrzerwanie(); }));
    EXPECT_FALSE(ObsluzZdarzenie([] { throw EBlad("Nie można utworzyć katalogu: /x"); }));
    EXPECT_TRUE(ObsluzZdarzenie([] {}));
    EXPECT_THAT(skrypt.Bledy(), IsEmpty());
}

}  // namespace
}  // namespace ramvel
