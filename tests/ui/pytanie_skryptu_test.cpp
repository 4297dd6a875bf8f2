#include "ui/skrypt/pytanie_skryptu.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "ui/skrypt/skrypt.h"

namespace ramvel {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;
using testing::SizeIs;

TEST(PytanieSkryptu, OdpowiedziaJestWpisaneSlowo) {
    struct TPrzypadek {
        const char* Wpisane;
        bool Wynik;
    };
    for (const auto& p : {TPrzypadek{"TAK", true}, TPrzypadek{"tak", true}, TPrzypadek{"TA", false},
                          TPrzypadek{"", false}, TPrzypadek{"NIE", false}}) {
        SCOPED_TRACE(p.Wpisane);
        TSkrypt skrypt;
        TPytaniaSkryptu pytania(skrypt);
        OczekujPotwierdzenia(skrypt, "Odtwarzanie danych systemowych", "Czy na pewno?", p.Wpisane);
        EXPECT_EQ(ZadajPytanie("Odtwarzanie danych systemowych", "Czy na pewno?"), p.Wynik);
        EXPECT_THAT(skrypt.Bledy(), IsEmpty());
    }
}

TEST(PytanieSkryptu, PrzebiegINieoczekiwanePytanie) {
    TSkrypt skrypt;
    TPytaniaSkryptu pytania(skrypt);
    OczekujPotwierdzenia(skrypt, "Tytuł", "Pierwsze", "TAK");
    EXPECT_TRUE(ZadajPytanie("Tytuł", "Pierwsze"));
    // Not in the script: a fault, and the dialog refuses.
    EXPECT_FALSE(ZadajPytanie("Tytuł", "Drugie"));
    EXPECT_THAT(skrypt.Bledy(), SizeIs(1));
    EXPECT_THAT(skrypt.Przebieg(),
                ElementsAre("Potwierdzenie: Tytuł: Pierwsze -> TAK", "Potwierdzenie: Tytuł: Drugie -> "));
}

TEST(PytanieSkryptu, PoZniszczeniuWracaPoprzednie) {
    IPytanie* przed = &Pytania();
    {
        TSkrypt skrypt;
        TPytaniaSkryptu pytania(skrypt);
        EXPECT_EQ(&Pytania(), &pytania);
    }
    EXPECT_EQ(&Pytania(), przed);
}

}  // namespace
}  // namespace ramvel
