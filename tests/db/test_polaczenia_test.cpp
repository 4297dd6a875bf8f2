// The connection test against the machine's running server.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "db/test_polaczenia.h"
#include "instalacja_testowa.h"
#include "narzedzia_firebirda.h"
#include "serwer_testowy.h"
#include "ui/kursor.h"
#include "ui/skrypt/skrypt.h"

namespace ramvel {
namespace {

using testing::HasSubstr;
using testing::IsEmpty;

class TestPolaczenia : public testing::Test {
protected:
    void SetUp() override {
        testy::CzekajNaSerwer();
        RAMVEL_WYMAGAJ_SERWERA();
        FProgram = std::make_unique<testy::TProgramTestowy>(FKatalog.Sciezka());
    }
    void TearDown() override { EXPECT_THAT(FSkrypt.Bledy(), IsEmpty()); }

    testy::TKatalogSerwera FKatalog;
    std::unique_ptr<testy::TProgramTestowy> FProgram;
    TSkrypt FSkrypt;
};

TEST_F(TestPolaczenia, UstawieniaZBazaSet) {
    FProgram->UstawBazaSet("REMOTE=1\r\nSERWER_NAME=serwer\r\nPROTOCOL_NAME=2\r\nDATABASE_DIR=/bazy\r\n"
                           "DATABASE_FILE_EXT=.fdb\r\n");
    TTestDatabaseConnect test;
    test.CzytajUstawienia();
    EXPECT_TRUE(test.Zdalna);
    EXPECT_EQ(test.NazwaSerwera, "serwer");
    EXPECT_EQ(test.Protokol, 2);
    EXPECT_EQ(test.KatalogBazy, "/bazy");
    EXPECT_EQ(test.PlikBazy, "systemkv");
    EXPECT_EQ(test.RozszerzenieBazy, ".fdb");
}

// With the server running nothing is asked; a second Testuj starts from a
// clean OstatniBlad.
TEST_F(TestPolaczenia, BladTylkoGdyPokazacIPonownyTestCzysciPowod) {
    TTestDatabaseConnect test;
    test.CzytajUstawienia();
    EXPECT_FALSE(test.Testuj(false));
    EXPECT_THAT(test.OstatniBlad, HasSubstr(FKatalog / "systemkv.gdb"));
    const std::string powod = test.OstatniBlad;

    FSkrypt.Blad("Błąd podczas łączenia z bazą danych.\r" + powod);
    EXPECT_FALSE(test.Testuj(true));
    EXPECT_EQ(test.OstatniBlad, powod);

    const auto systemowa =
        testy::Ponawiaj([&] { return std::make_unique<testy::TBazaTestowa>(FKatalog / "systemkv.gdb"); });
    EXPECT_TRUE(test.Testuj(true));
    EXPECT_EQ(test.OstatniBlad, "");
    EXPECT_EQ(Kursor().Biezacy(), TKursor::Normalny);
}

// A remote server is not looked for on this machine: even with a local
// installation that is not running, no question is asked.
TEST_F(TestPolaczenia, ZdalnySerwerBezPytania) {
    testy::TInstalacjaTestowa zatrzymana;
    zatrzymana.WpiszDoUstawien(FProgram->Sciezka());
    FProgram->UstawBazaSet("REMOTE=1\r\nSERWER_NAME=127.0.0.1\r\nDATABASE_DIR=" + FKatalog.Sciezka() +
                           "\r\nDATABASE_FILE_EXT=.gdb\r\n");
    const auto systemowa =
        testy::Ponawiaj([&] { return std::make_unique<testy::TBazaTestowa>(FKatalog / "systemkv.gdb"); });
    TTestDatabaseConnect test;
    test.CzytajUstawienia();
    EXPECT_TRUE(test.Testuj(true));
}

}  // namespace
}  // namespace ramvel
