#include <gtest/gtest.h>

#include "ui/konsola/konsola.h"
#include "ui/znaczniki.h"

namespace ramvel {
namespace {

// The message text as the terminal shows it is the markup's plain content.
TEST(Znaczniki, TekstBezZnacznikow) {
    struct {
        const char* Tresc;
        const char* Tekst;
    } const przypadki[] = {
        {"Plik został źle skopiowany.^Czy spróbować jeszcze raz?", "Plik został źle skopiowany.\nCzy spróbować jeszcze raz?"},
        {"a\r\nb", "a\nb"},
        {"a<b", "a<b"},
        {"<X>tekst", "<X>tekst"},
        {"<B>gruby</B> zwykły", "gruby zwykły"},
        {"<FONT:Arial><SIZE:12>tekst", "tekst"},
        {"<SIZE:duzo>x", "x"},
        {"a<b<B>c", "a<bc"},
        {"<COLOR:clRed>czerwony<A:CENTER>srodek", "czerwony\nsrodek"},
        {"", ""},
        {"^", "\n"},
        {"<b>x</b", "x</b"},
    };
    for (const auto& p : przypadki)
        EXPECT_EQ(TekstBezZnacznikow(p.Tresc), p.Tekst) << p.Tresc;
}

TEST(Znaczniki, StyleKoloryIWyrownanie) {
    const auto t = RozbierzZnaczniki("<F:Arial><S:12><B>a</B>b<C:$0000FF>c<A:RIGHT>d<C:clWindowText>e");
    EXPECT_EQ(t.Czcionka, "Arial");
    EXPECT_EQ(t.Rozmiar, 12);
    ASSERT_EQ(t.Kawalki.size(), 5u);
    EXPECT_EQ(t.Kawalki[0].Tekst, "a");
    EXPECT_TRUE(t.Kawalki[0].Styl.Pogrubienie);
    EXPECT_FALSE(t.Kawalki[1].Styl.Pogrubienie);
    EXPECT_EQ(t.Kawalki[2].Styl.Kolor, 0x0000FFu);
    // A new paragraph restores the line's remembered colour and aligns right.
    EXPECT_TRUE(t.Kawalki[3].NowyAkapit);
    EXPECT_EQ(t.Kawalki[3].Wyrownanie, TWyrownanie::Prawo);
    EXPECT_EQ(t.Kawalki[3].Tekst, "d");
    EXPECT_EQ(t.Kawalki[3].Styl.Kolor, 0x0000FFu);
    EXPECT_EQ(t.Kawalki[4].Styl.Kolor, 0xFF000008u);

    EXPECT_EQ(KolorZTekstu("255"), 255u);
    EXPECT_EQ(KolorZTekstu("clred"), 0x0000FFu);
    EXPECT_EQ(KolorZTekstu("clNiema"), kKolorDomyslny);
    EXPECT_EQ(RozbierzZnaczniki("<X:1>a").Czcionka, "MS Sans Serif");  // another name ends the font tags
}

}  // namespace
}  // namespace ramvel
