// The progress arithmetic: times and estimates, the percentage, bars that
// never leave their range, on the scripted window with a clock of the test's.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "archive/okno_paka.h"
#include "ui/konsola/okna_paka_konsoli.h"
#include "ui/skrypt/okna_paka_skryptu.h"

#include <sstream>

namespace ramvel {
namespace {

using ::testing::IsEmpty;

TEST(FormatCzasu, GodzinyMinutySekundy) {
    const std::vector<std::pair<int64_t, std::string>> przypadki = {
        {0, "00:00:00"}, {999, "00:00:00"}, {61000, "00:01:01"}, {3599999, "00:59:59"},
        {3600000, "01:00:00"}, {90061000, "25:01:01"}, {-5, "00:00:00"},
    };
    for (const auto& [ms, tekst] : przypadki)
        EXPECT_EQ(FormatCzasu(ms), tekst) << ms;
}

class OknoPaka : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_THAT(Skrypt.Bledy(), IsEmpty()); }
    TSkrypt Skrypt;
    TOknaPakaSkryptu Okna{Skrypt};
};

TEST_F(OknoPaka, OszacowanieDopieroPoDwochSekundachIZmianiePonad5Procent) {
    TOknoPaka okno(OknaPaka().OtworzPostep());
    okno.UstawMaksimumCalosci(100 * 1024);
    double szacowany = 0;
    okno.PoBloku(32768, 10 * 1024);  // 10 of 100
    okno.Czasy(1999, szacowany);
    EXPECT_EQ(Okna.Stan().CzasOdPoczatku, "00:00:01");
    EXPECT_EQ(Okna.Stan().CzasDoKonca, "00:00:00");
    EXPECT_EQ(szacowany, 0);
    okno.Czasy(2000, szacowany);  // 100 / 10 * 2 s = 20 s
    EXPECT_DOUBLE_EQ(szacowany, 20000);
    EXPECT_EQ(Okna.Stan().CzasDoKonca, "00:00:18");
    EXPECT_EQ(Okna.Stan().CzasCalkowity, "00:00:20");
    okno.PoBloku(0, 1024);  // 11 of 100
    okno.Czasy(2090, szacowany);  // 19,000 ms: within 5 % of 20 s, kept
    EXPECT_DOUBLE_EQ(szacowany, 20000);
    okno.Czasy(2300, szacowany);  // 20,909 ms: within 5 %, kept
    EXPECT_DOUBLE_EQ(szacowany, 20000);
    okno.Czasy(2500, szacowany);  // 22,727 ms: more than 5 % off, taken
    EXPECT_NEAR(szacowany, 22727.27, 0.01);
    EXPECT_EQ(Okna.Stan().CzasCalkowity, "00:00:22");
    EXPECT_EQ(Okna.Stan().CzasDoKonca, "00:00:20");
}

TEST_F(OknoPaka, PaskiWZakresieIProcent) {
    TOknoPaka okno(OknaPaka().OtworzPostep());
    okno.UstawMaksimumCalosci(3 * 1024 + 1023);  // 3 units
    okno.PoczatekPliku(2047, "/cel/dane/A.TXT", false);
    EXPECT_EQ(Okna.Stan().NazwaPliku, "A.TXT");
    EXPECT_EQ(Okna.Stan().MaksimumPliku, 1);
    okno.PoBloku(32768, 2 * 1024 + 1023);  // 32 and 2 units
    okno.PokazProcent();
    EXPECT_EQ(Okna.Stan().PozycjaPliku, 1);
    EXPECT_EQ(Okna.Stan().PozycjaCalosci, 2);
    EXPECT_EQ(Okna.Stan().Procent, "66 %");
    okno.PoBloku(1023, 5000);  // past the maximum: the bar stays at it
    okno.PokazProcent();
    EXPECT_EQ(Okna.Stan().PozycjaCalosci, 3);
    EXPECT_EQ(Okna.Stan().Procent, "100 %");
    okno.KoniecPliku();
    EXPECT_EQ(Okna.Stan().PozycjaPliku, 0);
    EXPECT_EQ(Okna.Stan().NazwaPliku, "");
    okno.PoczatekPliku(-5, "/cel/B.TXT", true);
    EXPECT_EQ(Okna.Stan().NazwaPliku, "pomijanie : B.TXT");
    EXPECT_EQ(Okna.Stan().MaksimumPliku, 0);
    okno.StanKoncowy();
    EXPECT_EQ(Okna.Stan().NazwaPliku, "Koniec");
}

TEST_F(OknoPaka, MaleArchiwumNieDzieliPrzezZero) {
    TOknoPaka okno(OknaPaka().OtworzPostep());
    okno.UstawMaksimumCalosci(1000);
    okno.PoBloku(900, 900);
    okno.PokazProcent();
    double szacowany = 0;
    okno.Czasy(5000, szacowany);
    EXPECT_EQ(Okna.Stan().Procent, "0 %");
    EXPECT_EQ(Okna.Stan().CzasDoKonca, "00:00:00");
}

}  // namespace
}  // namespace ramvel

namespace ramvel {
namespace {

TEST(OknaPakaKonsoli, LiniaPostepuIListaBledow) {
    std::istringstream wejscie;
    std::ostringstream wyjscie;
    TKonsola konsola(wejscie, wyjscie);
    {
        TOknaPakaKonsoli okna(konsola, true);
        auto okno = okna.OtworzPostep();
        okno->UstawTytul("Odtwarzanie z archiwum: A.KVP");
        okno->UstawPasekCalosci(5, 5);
        okno->UstawNazwePliku("Koniec");
    }
    // The last state is drawn when the window closes, and the line ends.
    const std::string tekst = wyjscie.str();
    ASSERT_FALSE(tekst.empty());
    EXPECT_EQ(tekst.substr(tekst.rfind('\r')), "\rOdtwarzanie z archiwum: A.KVP | Koniec | 100 % | 00:00:00\033[K\n");

    std::ostringstream bezTerminala;
    TKonsola drugaKonsola(wejscie, bezTerminala);
    TOknaPakaKonsoli okna(drugaKonsola, false);
    okna.OtworzPostep()->UstawNazwePliku("A");
    okna.PokazListeBledow({"000 - a", "001 - b"});
    EXPECT_EQ(bezTerminala.str(), "\n== Błędy - Komunikaty ==\n000 - a\n001 - b\n");
}

}  // namespace
}  // namespace ramvel
