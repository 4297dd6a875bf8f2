#include <gtest/gtest.h>

#include <sstream>

#include "ui/konsola/konsola.h"

namespace ramvel {
namespace {

TKomPrzycisk Zapytaj(const std::string& wejscie, TKomPrzycisk domyslny, std::string* wyjscie = nullptr) {
    std::istringstream in(wejscie);
    std::ostringstream out;
    TKonsola konsola(in, out);
    const auto wynik = konsola.Komunikaty().Pokaz("Włóż dyskietkę.^Czy kontynuować?", {TKomPrzycisk::Tak, TKomPrzycisk::Nie},
                                                  domyslny, TKomRodzaj::Pytanie);
    if (wyjscie)
        *wyjscie = out.str();
    return wynik;
}

TEST(Konsola, OdpowiedziNaPytanie) {
    struct {
        const char* Wejscie;
        TKomPrzycisk Domyslny;
        TKomPrzycisk Wynik;
    } const przypadki[] = {
        {"t\n", TKomPrzycisk::Nie, TKomPrzycisk::Tak},
        {"N\n", TKomPrzycisk::Tak, TKomPrzycisk::Nie},
        {"tak\n", TKomPrzycisk::Nie, TKomPrzycisk::Tak},
        {"\n", TKomPrzycisk::Nie, TKomPrzycisk::Nie},
        {"\n", TKomPrzycisk::Tak, TKomPrzycisk::Tak},
        {"", TKomPrzycisk::Nie, TKomPrzycisk::Nie},         // end of input: the default button
        {"x\nn\n", TKomPrzycisk::Tak, TKomPrzycisk::Nie},   // an unclear answer is asked again
    };
    for (const auto& p : przypadki)
        EXPECT_EQ(Zapytaj(p.Wejscie, p.Domyslny), p.Wynik) << p.Wejscie;
}

TEST(Konsola, PokazujeTytulITekst) {
    std::string wyjscie;
    Zapytaj("t\n", TKomPrzycisk::Tak, &wyjscie);
    EXPECT_NE(wyjscie.find("== Pytanie =="), std::string::npos);
    EXPECT_NE(wyjscie.find("Włóż dyskietkę.\nCzy kontynuować?"), std::string::npos);
    EXPECT_NE(wyjscie.find("t=Tak*/n=Nie"), std::string::npos) << wyjscie;
}

TEST(Konsola, SamOkNieCzekaNaOdpowiedz) {
    std::istringstream in("n\n");
    std::ostringstream out;
    TKonsola konsola(in, out);
    EXPECT_EQ(konsola.Komunikaty().Pokaz("<B>Błąd</B> zapisu", {TKomPrzycisk::OK}, TKomPrzycisk::OK, TKomRodzaj::Blad),
              TKomPrzycisk::OK);
    EXPECT_NE(out.str().find("== Błąd ==\nBłąd zapisu\n"), std::string::npos) << out.str();
    std::string reszta;
    std::getline(in, reszta);
    EXPECT_EQ(reszta, "n");  // the answer was left for the next question
}

}  // namespace
}  // namespace ramvel
