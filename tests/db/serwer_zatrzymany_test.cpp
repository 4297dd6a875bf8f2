// The connection test when the local server is not running. The whole process
// uses a test installation of its own: FIREBIRD names its root before the
// client library is first used, so a local attach goes to that installation's
// port, where nothing runs until a test starts it. The machine's server is
// never stopped.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>

#include "db/serwer_lokalny.h"
#include "db/test_polaczenia.h"
#include "instalacja_testowa.h"
#include "narzedzia_firebirda.h"
#include "serwer_testowy.h"
#include "ui/skrypt/skrypt.h"

namespace ramvel {
namespace {

using testing::HasSubstr;
using testing::IsEmpty;

const char* const kPytanie = "Serwer bazy danych nie jest uruchomiony.^Czy uruchomić?";

testy::TInstalacjaTestowa* Instalacja = nullptr;

class TSrodowiskoInstalacji : public testing::Environment {
public:
    void SetUp() override {
        if (geteuid() != 0)
            return;
        FInstalacja = std::make_unique<testy::TInstalacjaTestowa>();
        Instalacja = FInstalacja.get();
        setenv("FIREBIRD", FInstalacja->Katalog().c_str(), 1);
        setenv("FIREBIRD_LOCK", (FInstalacja->Katalog() + "/lock").c_str(), 1);
    }
    void TearDown() override {
        Instalacja = nullptr;
        FInstalacja.reset();
    }

private:
    std::unique_ptr<testy::TInstalacjaTestowa> FInstalacja;
};

[[maybe_unused]] testing::Environment* const kSrodowisko =
    testing::AddGlobalTestEnvironment(new TSrodowiskoInstalacji);

class SerwerZatrzymany : public testing::Test {
protected:
    void SetUp() override {
        if (!Instalacja)
            GTEST_SKIP() << "a test installation is set up and started only by root";
        // The password; the server itself is this process's own installation.
        RAMVEL_WYMAGAJ_SERWERA();
        FProgram = std::make_unique<testy::TProgramTestowy>(FKatalog.Sciezka());
        Instalacja->WpiszDoUstawien(FProgram->Sciezka());
        ASSERT_FALSE(SerwerUruchomiony());
    }
    void TearDown() override {
        EXPECT_THAT(FSkrypt.Bledy(), IsEmpty());
        if (Instalacja)
            Instalacja->ZatrzymajSerwer();
    }

    testy::TKatalogSerwera FKatalog;
    std::unique_ptr<testy::TProgramTestowy> FProgram;
    TSkrypt FSkrypt;
};

TEST_F(SerwerZatrzymany, NieToBladZPowodemKlienta) {
    TTestDatabaseConnect test;
    test.CzytajUstawienia();
    FSkrypt.Pytanie(kPytanie, "&Nie");
    EXPECT_FALSE(test.Testuj(false));
    EXPECT_THAT(test.OstatniBlad, HasSubstr("Unable to complete network request"));

    FSkrypt.Pytanie(kPytanie, "&Nie").Blad("Błąd podczas łączenia z bazą danych.\r" + test.OstatniBlad);
    EXPECT_FALSE(test.Testuj(true));
    EXPECT_FALSE(SerwerUruchomiony());
}

TEST_F(SerwerZatrzymany, TakUruchamiaSerwer) {
    TTestDatabaseConnect test;
    test.CzytajUstawienia();
    // Started and waited for: the attach now reaches a server, which has no
    // system database to open yet.
    FSkrypt.Pytanie(kPytanie, "&Tak");
    EXPECT_FALSE(test.Testuj(false));
    EXPECT_TRUE(SerwerUruchomiony());
    EXPECT_THAT(test.OstatniBlad, HasSubstr(FKatalog / "systemkv.gdb"));
    EXPECT_THAT(test.OstatniBlad, testing::Not(HasSubstr("network request")));

    // A running server: no question, and the attach succeeds.
    testy::TBazaTestowa systemowa(FKatalog / "systemkv.gdb");
    EXPECT_TRUE(test.Testuj(true));
    EXPECT_EQ(test.OstatniBlad, "");
}

}  // namespace
}  // namespace ramvel
