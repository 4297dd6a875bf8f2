#include "ui/konsola/pytanie_konsoli.h"

#include <gtest/gtest.h>

#include <sstream>

#include "ui/konsola/konsola.h"

namespace ramvel {
namespace {

TEST(PytanieKonsoli, TylkoWpisaneTAKPotwierdza) {
    struct TPrzypadek {
        const char* Wejscie;
        bool Wynik;
    };
    const TPrzypadek przypadki[] = {
        {"TAK\n", true},   {"tak\n", true},  {"  Tak \r\n", true}, {"TAKK\n", false}, {"TA\n", false},
        {"T\n", false},    {"\n", false},    {"nie\n", false},     {"", false},       {"TAK", true},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.Wejscie);
        std::istringstream wejscie(p.Wejscie);
        std::ostringstream wyjscie;
        TKonsola konsola(wejscie, wyjscie);
        TPytaniaKonsoli pytania(konsola);
        EXPECT_EQ(pytania.Zadaj("Tytuł", "Pytanie?"), p.Wynik);
    }
}

TEST(PytanieKonsoli, Brzmienie) {
    std::istringstream wejscie("nie\n");
    std::ostringstream wyjscie;
    TKonsola konsola(wejscie, wyjscie);
    TPytaniaKonsoli pytania(konsola);
    pytania.Zadaj("Odtwarzanie danych systemowych", "Znaleziono dane systemowe.^Czy na pewno?");
    EXPECT_EQ(wyjscie.str(),
              "\n== Odtwarzanie danych systemowych ==\n"
              "Znaleziono dane systemowe.\nCzy na pewno?\n"
              "Aby zaakceptować należy wpisać \"TAK\" w pole: ");
}

}  // namespace
}  // namespace ramvel
