#include <filesystem>
#include <gtest/gtest.h>

#include "files/napedy.h"
#include "platform/bledy.h"
#include "platform/plik_ini.h"
#include "platform/srodowisko.h"
#include "wspolne/testy.h"

namespace ramvel {
namespace {

TEST(Napedy, SprawdzNapedIDyskietki) {
    testy::TKatalogTymczasowy katalog;
    UstawKatalogProgramu(katalog.Sciezka());
    TPlikIni(PlikUstawien()).Zapisz("NAPEDY", "A", katalog / "a");
    EXPECT_FALSE(SprawdzNaped('a'));
    std::filesystem::create_directory(katalog / "a");
    EXPECT_TRUE(SprawdzNaped('a'));
    EXPECT_EQ(SprawdzNaped('a'), SprawdzNaped('A'));
    try {
        SprawdzNaped('1');
        FAIL();
    } catch (const EBlad& blad) {
        EXPECT_STREQ(blad.what(), "Błędny identyfikator napędu.");
    }
    EXPECT_TRUE(JestDyskietka("A:\\x.kvp"));
    EXPECT_TRUE(JestDyskietka("b:"));
    EXPECT_TRUE(JestDyskietka(katalog / "a/x.kvp"));
    EXPECT_FALSE(JestDyskietka(katalog / "ab/x.kvp"));
    EXPECT_FALSE(JestDyskietka("archiwum/x.kvp"));  // a relative name starting with a
    EXPECT_EQ(SciezkaNaNapedzie("A:\\kopia\\x.kvp"), katalog / "a/kopia/x.kvp");
    EXPECT_GT(WolneNaDyskietce('A'), 0);
    EXPECT_GT(WolneKB(katalog.Sciezka()), 0);
    UstawKatalogProgramu("");
}

TEST(Napedy, NazwaKomputeraZPrzelacznika) {
    struct {
        std::vector<std::string> Parametry;
        std::string Wynik;
    } const przypadki[] = {
        {{"/S:SERWER1"}, "SERWER1"},
        {{"/S:"}, NazwaHosta()},
        {{"/s:SERWER1"}, NazwaHosta()},
        {{"--katalog=/x", "/S:A", "/S:B"}, "A"},
        {{}, NazwaHosta()},
    };
    for (const auto& p : przypadki) {
        UstawParametry(p.Parametry);
        EXPECT_EQ(NazwaKomputera(), p.Wynik);
    }
    UstawParametry(std::vector<std::string>{});
    UstawKatalogProgramu("");
    EXPECT_FALSE(NazwaHosta().empty());
}

}  // namespace
}  // namespace ramvel
