#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "app/zrodla_kopii.h"
#include "platform/srodowisko.h"
#include "ui/skrypt/skrypt.h"
#include "wspolne/testy.h"

namespace ramvel {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;

const char* const PytanieODyskietke = "Włóż dyskietkę. Czy kontynuować?";

// A program directory whose settings put drive A: at <katalog>/stacja.
class TProgramZeStacja {
public:
    TProgramZeStacja() : FPoprzedni(KatalogProgramu()) {
        testy::ZapiszPlik(FKatalog / "ramvel.ini", "[NAPEDY]\r\nA=" + Stacja() + "\r\n");
        UstawKatalogProgramu(FKatalog.Sciezka());
    }
    ~TProgramZeStacja() { UstawKatalogProgramu(FPoprzedni); }
    std::string Katalog() const { return FKatalog.Sciezka(); }
    std::string Stacja() const { return FKatalog / "stacja"; }

private:
    testy::TKatalogTymczasowy FKatalog;
    std::string FPoprzedni;
};

TEST(KatalogiZrodla, AutomatyczneToDwadzieściaKatalogówArch) {
    TSkrypt skrypt;
    const auto zrodlo = KatalogiZrodla(1, "/opt/mp", "/inne");
    EXPECT_EQ(zrodlo.Stan, TStanZrodla::Gotowe);
    ASSERT_EQ(zrodlo.Katalogi.size(), 20u);
    EXPECT_EQ(zrodlo.Katalogi[0], "/opt/mp/Kopia/Arch01");
    EXPECT_EQ(zrodlo.Katalogi[8], "/opt/mp/Kopia/Arch09");
    EXPECT_EQ(zrodlo.Katalogi[9], "/opt/mp/Kopia/Arch10");
    EXPECT_EQ(zrodlo.Katalogi[19], "/opt/mp/Kopia/Arch20");
    EXPECT_THAT(skrypt.Bledy(), IsEmpty());
}

TEST(KatalogiZrodla, InnaLokalizacja) {
    TProgramZeStacja program;
    TSkrypt skrypt;
    EXPECT_THAT(KatalogiZrodla(2, program.Katalog(), "/kopie").Katalogi, ElementsAre("/kopie"));
    // The Windows habit of naming the diskette by its letter.
    EXPECT_THAT(KatalogiZrodla(2, program.Katalog(), "a:\\kopie").Katalogi, ElementsAre(program.Stacja() + "/kopie"));
    skrypt.Info("Podaj katalog źródłowy.");
    const auto pusta = KatalogiZrodla(2, program.Katalog(), "");
    EXPECT_EQ(pusta.Stan, TStanZrodla::BrakKatalogu);
    EXPECT_THAT(pusta.Katalogi, IsEmpty());
    EXPECT_THAT(skrypt.Bledy(), IsEmpty());
}

TEST(KatalogiZrodla, DyskietkaObecnaBezPytania) {
    TProgramZeStacja program;
    std::filesystem::create_directory(program.Stacja());
    TSkrypt skrypt;
    const auto zrodlo = KatalogiZrodla(0, program.Katalog(), "");
    EXPECT_EQ(zrodlo.Stan, TStanZrodla::Gotowe);
    EXPECT_THAT(zrodlo.Katalogi, ElementsAre(program.Stacja()));
    EXPECT_THAT(skrypt.Bledy(), IsEmpty());
}

TEST(KatalogiZrodla, PytaODyskietkęAżJestNośnik) {
    TProgramZeStacja program;
    TSkrypt skrypt;
    skrypt.Pytanie(PytanieODyskietke, "&Tak").Pytanie(PytanieODyskietke, "&Tak").Potem([&] {
        std::filesystem::create_directory(program.Stacja());
    });
    const auto zrodlo = KatalogiZrodla(0, program.Katalog(), "");
    EXPECT_EQ(zrodlo.Stan, TStanZrodla::Gotowe);
    EXPECT_THAT(zrodlo.Katalogi, ElementsAre(program.Stacja()));
    EXPECT_THAT(skrypt.Bledy(), IsEmpty());
}

TEST(KatalogiZrodla, NieKończyPytanie) {
    TProgramZeStacja program;
    TSkrypt skrypt;
    skrypt.Pytanie(PytanieODyskietke, "&Tak").Pytanie(PytanieODyskietke, "&Tak").Pytanie(PytanieODyskietke, "&Nie");
    const auto zrodlo = KatalogiZrodla(0, program.Katalog(), "");
    EXPECT_EQ(zrodlo.Stan, TStanZrodla::Rezygnacja);
    EXPECT_THAT(zrodlo.Katalogi, IsEmpty());
    EXPECT_THAT(skrypt.Bledy(), IsEmpty());
}

}  // namespace
}  // namespace ramvel
