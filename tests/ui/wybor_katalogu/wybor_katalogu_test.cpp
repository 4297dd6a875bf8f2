#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

#include "ui/konsola/wybor_katalogu_konsoli.h"
#include "ui/skrypt/wybor_katalogu_skryptu.h"
#include "ui/wybor_katalogu.h"
#include "wspolne/testy.h"

namespace ramvel {
namespace {

using testing::HasSubstr;
using testing::IsEmpty;

struct TOdpowiedzKonsoli {
    std::string Wejscie;
    std::string Wynik;  // "<start>" or "<tmp>" stand for those directories
};

TEST(WybierzKatalogKonsola, PustaLiniaIKoniecWejściaToAnuluj) {
    testy::TKatalogTymczasowy katalog;
    const TOdpowiedzKonsoli przypadki[] = {
        {"\n", "<start>"},
        {"", "<start>"},
        {"   \n", "<start>"},
        {"<tmp>\n", "<tmp>"},
        {"  <tmp>  \n", "<tmp>"},
        {"/nie/ma/takiego\n<tmp>\n", "<tmp>"},
        {"/nie/ma/takiego\n", "<start>"},
    };
    for (const auto& p : przypadki) {
        std::string wejscie = p.Wejscie;
        for (size_t i; (i = wejscie.find("<tmp>")) != std::string::npos;)
            wejscie.replace(i, 5, katalog.Sciezka());
        std::istringstream we(wejscie);
        std::ostringstream wy;
        TKonsola konsola(we, wy);
        TWyborKataloguKonsoli wybor(konsola);
        const std::string wynik = wybor.Wybierz("/start", false, "Podaj katalog w którym jest kopia", "Podaj katalog");
        EXPECT_EQ(wynik, p.Wynik == "<tmp>" ? katalog.Sciezka() : "/start") << p.Wejscie;
        EXPECT_THAT(wy.str(), HasSubstr("== Podaj katalog ==\nPodaj katalog w którym jest kopia\n"));
        if (p.Wejscie.find("/nie/ma") != std::string::npos) {
            EXPECT_THAT(wy.str(), HasSubstr("Nie ma takiego katalogu: /nie/ma/takiego"));
        }
    }
}

TEST(WybierzKatalogSkrypt, KrokZTytułemOpisemIStartem) {
    TSkrypt skrypt;
    TWyborKataloguSkryptu wybor(skrypt);
    skrypt.Oczekuj("Katalog", "Podaj katalog: Podaj katalog do którego odtworzyć dane [/a]", "/b")
        .Oczekuj("Katalog", "Podaj katalog: Podaj katalog do którego odtworzyć dane [/a]", "&Anuluj")
        .Oczekuj("Katalog", "Podaj katalog: Podaj katalog do którego odtworzyć dane [/a]");
    for (const char* oczekiwany : {"/b", "/a", "/a"})
        EXPECT_EQ(WybierzKatalog("/a", false, "Podaj katalog do którego odtworzyć dane", "Podaj katalog"), oczekiwany);
    EXPECT_THAT(skrypt.Bledy(), IsEmpty());
}

TEST(WybierzKatalogSkrypt, PoZniszczeniuWracaPoprzedni) {
    IWyborKatalogu* przed = &WyborKatalogu();
    {
        TSkrypt skrypt;
        TWyborKataloguSkryptu wybor(skrypt);
        EXPECT_EQ(&WyborKatalogu(), &wybor);
    }
    EXPECT_EQ(&WyborKatalogu(), przed);
}

}  // namespace
}  // namespace ramvel
