#include <gtest/gtest.h>

#include "files/kursor.h"
#include "files/teksty.h"
#include "platform/srodowisko.h"
#include "ui/kursor.h"

namespace ramvel {
namespace {

TEST(Teksty, DopelnijPoleILiczbaPol) {
    EXPECT_EQ(DopelnijTekst("7", 2, 'P', '0'), "07");
    EXPECT_EQ(DopelnijTekst("123", 2, 'P', '0'), "12");
    EXPECT_EQ(DopelnijTekst("ab", 4, 'L', ' '), "ab  ");
    EXPECT_EQ(DopelnijTekst("x", 0, 'L', ' '), "");
    EXPECT_EQ(DopelnijTekst("x", 3, 'Q', ' '), "x");
    EXPECT_EQ(DopelnijTekst("łódź", 2, 'P', '0'), "łó");  // characters, not bytes
    EXPECT_EQ(LiczbaPol("", ';'), 0);
    EXPECT_EQ(LiczbaPol("a", ';'), 1);
    EXPECT_EQ(LiczbaPol("a;;b", ';'), 3);
    EXPECT_EQ(PoleTekstu("a;b;c", 2, ';'), "b");
    EXPECT_EQ(PoleTekstu("a;", 2, ';'), "");
    EXPECT_EQ(PoleTekstu("a;;b", 2, ';'), "");
    EXPECT_EQ(PoleTekstu("a;;b", 0, ';'), "a");
    EXPECT_EQ(PoleTekstu("a;;b", 3, ';'), "b");
    EXPECT_EQ(PoleTekstu("a;;b", 4, ';'), "");
    EXPECT_EQ(PoleTekstu("a;;b", -1, ';'), "");
}

TEST(Teksty, PorownanieIWyszukiwanieBezWielkosciLiter) {
    EXPECT_TRUE(TekstyRowne("ŁÓDŹ", "łódź"));
    EXPECT_FALSE(TekstyRowne("łódź", "lodz"));
    EXPECT_FALSE(TekstyRowne("a", std::string("a\0", 2)));
    EXPECT_EQ(PozycjaBezWielkosci("a", "A:\\x"), 1u);
    EXPECT_EQ(PozycjaBezWielkosci("dŹ", "łóDź łÓdŹ"), 3u);
    EXPECT_EQ(PozycjaBezWielkosci("x", "abc"), 0u);
    EXPECT_EQ(ZnakNaPozycji("żab", 1), U'ż');
    EXPECT_EQ(ZnakNaPozycji("żab", 4), 0u);
    EXPECT_EQ(ZnakNaPozycji("", 1), 0u);
}

TEST(Teksty, ZamianaILiczby) {
    std::string tekst = "aaaa";
    EXPECT_EQ(ZamienWszystko("aa", "a", tekst), 2);
    EXPECT_EQ(tekst, "aa");
    tekst = "abc";
    EXPECT_EQ(ZamienWszystko("b", "b", tekst), 0);
    EXPECT_EQ(ZamienWszystko("x", "y", tekst), 0);
    EXPECT_EQ(ZamienWszystkoKopia("a", "aa", "aXa"), "aaXaa");  // inserted text is not searched again
    struct {
        const char* Tekst;
        int Wynik;
    } const liczby[] = {{"12", 12}, {"-7", -7}, {"+3", 3}, {"", 0}, {"1x", 0}, {" 1", 0}, {"99999999999", 0}, {"--1", 0}};
    for (const auto& p : liczby)
        EXPECT_EQ(TekstNaLiczbe(p.Tekst), p.Wynik) << p.Tekst;
}

TEST(Kursor, LicznikZagniezdzen) {
    Kursor().Ustaw(TKursor::Normalny);
    KursorCzekaj(false, 0);
    KursorCzekaj(false, 0);
    KursorNormalny(false);
    EXPECT_EQ(Kursor().Biezacy(), TKursor::Klepsydra);
    KursorNormalny(false);
    EXPECT_EQ(Kursor().Biezacy(), TKursor::Normalny);
    KursorCzekaj(false, 1);
    KursorCzekaj(false, 0);
    KursorCzekaj(false, 0);
    EXPECT_EQ(Kursor().Biezacy(), TKursor::StrzalkaZKlepsydra);
    KursorNormalny(true);
    EXPECT_EQ(Kursor().Biezacy(), TKursor::Normalny);
    // Somebody else restored the cursor: the count starts again.
    KursorCzekaj(false, 0);
    KursorCzekaj(false, 0);
    Kursor().Ustaw(TKursor::Normalny);
    KursorCzekaj(false, 0);
    KursorNormalny(false);
    EXPECT_EQ(Kursor().Biezacy(), TKursor::Normalny);
}

TEST(Kursor, OdczekajCzekaTyleIleTrzeba) {
    const uint32_t poczatek = LicznikMs();
    Odczekaj(120);
    const uint32_t uplynelo = LicznikMs() - poczatek;
    EXPECT_GE(uplynelo, 120u);
    EXPECT_LT(uplynelo, 1000u);
}

}  // namespace
}  // namespace ramvel
