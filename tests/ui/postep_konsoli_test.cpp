#include "ui/konsola/postep_konsoli.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <signal.h>

#include <csignal>
#include <sstream>

#include "ui/skrypt/skrypt.h"

namespace ramvel {
namespace {

using testing::IsEmpty;

// What the window wrote since the last call.
class TWyjscie {
public:
    std::ostringstream Strumien;
    std::string Nowe() {
        const std::string wszystko = Strumien.str();
        std::string nowe = wszystko.substr(FPrzeczytane);
        FPrzeczytane = wszystko.size();
        return nowe;
    }

private:
    size_t FPrzeczytane = 0;
};

TEST(PostepKonsoli, LiniePoKolei) {
    TWyjscie wyjscie;
    TPostepyKonsoli postepy(wyjscie.Strumien, false, 80);
    auto postep = postepy.Utworz("Dearchiwizacja bazy firmy: FIRMA", 0, 0, false, false, "");
    EXPECT_EQ(wyjscie.Nowe(), "");
    postep->Pokaz();
    EXPECT_EQ(wyjscie.Nowe(), "Dearchiwizacja bazy firmy: FIRMA\n");
    postep->UstawTekst("gbak: restoring domain");
    postep->UstawTekst("gbak: restoring domain");
    EXPECT_EQ(wyjscie.Nowe(), "gbak: restoring domain\n");
    postep->UstawTekst("gbak:\trestoring table\n");
    EXPECT_EQ(wyjscie.Nowe(), "gbak: restoring table\n");
    postep->Zamknij();
    postep->UstawTekst("po zamknięciu");
    EXPECT_EQ(wyjscie.Nowe(), "");
}

TEST(PostepKonsoli, LiniePaskaCoDziesiataCzesc) {
    TWyjscie wyjscie;
    TPostepyKonsoli postepy(wyjscie.Strumien, false, 80);
    auto postep = postepy.Utworz("", 0, 0, false, false, "");
    postep->Pokaz();
    EXPECT_EQ(wyjscie.Nowe(), "");
    postep->UstawPozycje(0);
    postep->UstawMaks(1000);
    postep->UstawTekst("FIRMA.GBK");
    for (int pozycja = 0; pozycja <= 1000; pozycja += 50)
        postep->UstawPozycje(pozycja);
    EXPECT_EQ(wyjscie.Nowe(), "FIRMA.GBK\n  10%\n  20%\n  30%\n  40%\n  50%\n  60%\n  70%\n  80%\n  90%\n  100%\n");
    // The next entry starts from nothing.
    postep->UstawPozycje(0);
    postep->UstawMaks(10);
    postep->UstawTekst("SYSTEM.GBK");
    postep->UstawPozycje(5);
    postep->UstawPozycje(12);
    EXPECT_EQ(wyjscie.Nowe(), "SYSTEM.GBK\n  50%\n  100%\n");
}

TEST(PostepKonsoli, JednaLiniaWTerminalu) {
    TWyjscie wyjscie;
    TPostepyKonsoli postepy(wyjscie.Strumien, true, 60);
    auto postep = postepy.Utworz("Plik", 0, 0, false, false, "");
    postep->Pokaz();
    EXPECT_EQ(wyjscie.Nowe(), "\r| Plik\x1b[K");
    postep->UstawTekst("Plik 2");
    EXPECT_EQ(wyjscie.Nowe(), "\r/ Plik 2\x1b[K");
    postep->UstawMaks(200);
    EXPECT_EQ(wyjscie.Nowe(), "\rPlik 2 [....................] 0%\x1b[K");
    postep->UstawPozycje(1);  // still 0%: nothing to redraw
    EXPECT_EQ(wyjscie.Nowe(), "");
    postep->UstawPozycje(100);
    EXPECT_EQ(wyjscie.Nowe(), "\rPlik 2 [##########..........] 50%\x1b[K");
    postep->UstawPozycje(900);
    EXPECT_EQ(wyjscie.Nowe(), "\rPlik 2 [####################] 100%\x1b[K");
    postep->UstawPrzerywalny(true);
    EXPECT_EQ(wyjscie.Nowe(), "\rPlik 2 [####################] 100% (Ctrl+C przerywa)\x1b[K");
    postep->Zamknij();
    EXPECT_EQ(wyjscie.Nowe(), "\r\x1b[K");
    postep->UstawPozycje(10);
    EXPECT_EQ(wyjscie.Nowe(), "");
}

TEST(PostepKonsoli, DlugiTekstSkracanyPoZnakach) {
    TWyjscie wyjscie;
    TPostepyKonsoli postepy(wyjscie.Strumien, true, 30);
    auto postep = postepy.Utworz("Zażółć gęślą jaźń i jeszcze dłuższy tekst", 0, 0, false, false, "");
    postep->Pokaz();
    // 29 columns: the spinner, a space, 26 letters (Polish ones take two bytes) and the ellipsis.
    EXPECT_EQ(wyjscie.Nowe(), "\r| Zażółć gęślą jaźń i jeszcz…\x1b[K");
}

class PostepKonsoliCtrlC : public testing::Test {
protected:
    void SetUp() override { sigaction(SIGINT, nullptr, &FPrzed); }
    bool ObslugaJakPrzed() {
        struct sigaction teraz {};
        sigaction(SIGINT, nullptr, &teraz);
        return teraz.sa_handler == FPrzed.sa_handler;
    }
    struct sigaction FPrzed {};
};

TEST_F(PostepKonsoliCtrlC, PytaIPrzerywaTylkoPoTak) {
    TSkrypt skrypt;
    skrypt.Pytanie("Czy na pewno przerwać?", "&Nie").Pytanie("Czy na pewno przerwać?", "&Tak");
    TWyjscie wyjscie;
    TPostepyKonsoli postepy(wyjscie.Strumien, true, 60);
    auto postep = postepy.Utworz("Baza", 100, 0, false, false, "");
    EXPECT_TRUE(ObslugaJakPrzed()) << "Ctrl+C przechwycone, zanim okno się pokazało";
    postep->Pokaz();
    wyjscie.Nowe();

    std::raise(SIGINT);
    postep->UstawPozycje(50);
    EXPECT_FALSE(postep->Przerwano());
    // The line is cleared for the question and drawn again after "&Nie".
    EXPECT_EQ(wyjscie.Nowe(), "\r\x1b[K\rBaza [##########..........] 50%\x1b[K");

    std::raise(SIGINT);
    postep->UstawTekst("Baza 2");
    EXPECT_TRUE(postep->Przerwano());
    EXPECT_EQ(wyjscie.Nowe(), "\r\x1b[K");
    postep->UstawPozycje(60);
    EXPECT_EQ(wyjscie.Nowe(), "") << "okno przerwane, a pisze dalej";
    EXPECT_TRUE(ObslugaJakPrzed()) << "Ctrl+C zostało przechwycone po zamknięciu okna";
    EXPECT_THAT(skrypt.Bledy(), IsEmpty());
}

TEST_F(PostepKonsoliCtrlC, PoPrzerwaniuNiePytaJuz) {
    TSkrypt skrypt;
    skrypt.Pytanie("Czy na pewno przerwać?", "&Tak");
    TWyjscie wyjscie;
    TPostepyKonsoli postepy(wyjscie.Strumien, false, 60);
    auto postep = postepy.Utworz("A", 0, 0, true, false, "");
    postep->Pokaz();
    std::raise(SIGINT);
    postep->UstawTekst("B");
    ASSERT_TRUE(postep->Przerwano());
    postep->Pokaz();  // shown again for the next operation
    std::raise(SIGINT);
    postep->UstawTekst("C");
    EXPECT_THAT(skrypt.Bledy(), IsEmpty());
    postep.reset();
    EXPECT_TRUE(ObslugaJakPrzed());
}

TEST_F(PostepKonsoliCtrlC, DwaOknaOddajaObslugeDopieroOstatnie) {
    TWyjscie wyjscie;
    TPostepyKonsoli postepy(wyjscie.Strumien, false, 60);
    auto pierwsze = postepy.Utworz("A", 0, 0, false, false, "");
    auto drugie = postepy.Utworz("B", 0, 0, false, false, "");
    pierwsze->Pokaz();
    drugie->Pokaz();
    pierwsze->Zamknij();
    EXPECT_FALSE(ObslugaJakPrzed());
    drugie.reset();  // destroyed while shown
    EXPECT_TRUE(ObslugaJakPrzed());
}

}  // namespace
}  // namespace ramvel
