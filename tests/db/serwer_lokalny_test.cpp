#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "db/serwer_lokalny.h"
#include "instalacja_testowa.h"
#include "narzedzia_firebirda.h"
#include "platform/srodowisko.h"
#include "serwer_testowy.h"
#include "ui/kursor.h"
#include "ui/skrypt/skrypt.h"
#include "wspolne/testy.h"

namespace ramvel {
namespace {

using ::testing::IsEmpty;

const char* const kBrakSerwera = "Server FireBird nie jest zainstalowany na tym komputerze.";
const char* const kBladStartu = "Nie udało się uruchomić serwera FireBird.";

// Every test runs with a program directory of its own, so the settings file
// (and the installation it names) is the test's.
class SerwerLokalnyTest : public ::testing::Test {
protected:
    SerwerLokalnyTest() : FPoprzedniKatalog(KatalogProgramu()) { UstawKatalogProgramu(FProgram.Sciezka()); }
    ~SerwerLokalnyTest() override { UstawKatalogProgramu(FPoprzedniKatalog); }
    void TearDown() override { EXPECT_THAT(FSkrypt.Bledy(), IsEmpty()); }

    std::string FPoprzedniKatalog;
    testy::TKatalogTymczasowy FProgram;
    TSkrypt FSkrypt;
};

TEST(PortZKonfiguracji, OstatniaNiezakomentowanaWartoscWygrywa) {
    struct {
        const char* Tresc;
        uint16_t Port;
    } const przypadki[] = {
        {"", 3050},
        {"#RemoteServicePort = 3051\n", 3050},
        {"RemoteServicePort = 3061\n", 3061},
        {"  remoteserviceport=3062  # komentarz\r\n", 3062},
        {"RemoteServicePort = 3061\nRemoteServicePort = 3070\n", 3070},
        {"RemoteServicePort = 3061\nRemoteServicePort = abc\n", 3061},
        {"RemoteServicePort = 0\n", 3050},
        {"RemoteServicePort = 65536\n", 3050},
        {"RemoteServicePort = 99999999999999999999\n", 3050},
        {"RemoteServiceName = gds_db\nRemoteBindAddress = 127.0.0.1\n", 3050},
        {"RemoteServicePortX = 3063\n", 3050},
    };
    for (const auto& p : przypadki)
        EXPECT_EQ(PortZKonfiguracji(p.Tresc), p.Port) << p.Tresc;
}

TEST_F(SerwerLokalnyTest, BezUstawienKatalogiemJestInstalacjaDebiana) {
    testy::CzekajNaSerwer();
    RAMVEL_WYMAGAJ_SERWERA();
    std::string katalog;
    ASSERT_TRUE(KatalogSerwera(katalog));
    EXPECT_EQ(katalog, testy::KatalogFirebirdaDebiana());
    EXPECT_EQ(ProgramSerwera(katalog), "/usr/sbin/firebird");
    EXPECT_TRUE(SerwerUruchomiony());
}

TEST_F(SerwerLokalnyTest, KatalogBezKonfiguracjiToBrakSerwera) {
    testy::TKatalogTymczasowy pusty;
    testy::ZapiszPlik(FProgram / "ramvel.ini", "[FIREBIRD]\r\nKATALOG=" + pusty.Sciezka() + "/\r\n");
    FSkrypt.Blad(kBrakSerwera).Blad(kBrakSerwera);
    std::string katalog = "bez zmian";
    EXPECT_FALSE(KatalogSerwera(katalog));
    EXPECT_EQ(katalog, "bez zmian");
    EXPECT_FALSE(UruchomSerwer());
    EXPECT_EQ(Kursor().Biezacy(), TKursor::Normalny);
    // No installation: asked whether it runs, the answer is about port 3050.
    EXPECT_EQ(SerwerUruchomiony(), PrzyjmujePolaczenia(kDomyslnyPortSerwera));
}

TEST_F(SerwerLokalnyTest, WlasnyProgramInstalacjiMaPierwszenstwo) {
    testy::TInstalacjaTestowa instalacja;
    instalacja.WpiszDoUstawien(FProgram.Sciezka());
    std::string katalog;
    ASSERT_TRUE(KatalogSerwera(katalog));
    EXPECT_EQ(katalog, instalacja.Katalog());
    EXPECT_EQ(ProgramSerwera(katalog), "/usr/sbin/firebird");
    std::filesystem::create_directory(katalog + "/bin");
    testy::ZapiszPlik(katalog + "/bin/firebird", "");
    EXPECT_EQ(ProgramSerwera(katalog), katalog + "/bin/firebird");
}

TEST_F(SerwerLokalnyTest, ProgramKtoregoNieMoznaUruchomic) {
    if (geteuid() != 0)
        GTEST_SKIP() << "the server is started as user firebird only by root";
    testy::TInstalacjaTestowa instalacja;
    instalacja.WpiszDoUstawien(FProgram.Sciezka());
    std::filesystem::create_directory(instalacja.Katalog() + "/bin");
    testy::ZapiszPlik(instalacja.Katalog() + "/bin/firebird", "nie program\n");
    chmod((instalacja.Katalog() + "/bin/firebird").c_str(), 0644);
    FSkrypt.Blad(kBladStartu);
    EXPECT_FALSE(UruchomSerwer());
    EXPECT_EQ(Kursor().Biezacy(), TKursor::Normalny);
    EXPECT_FALSE(SerwerUruchomiony());
}

// The wait for the server is the caller's; here it is a bounded poll.
TEST_F(SerwerLokalnyTest, UruchomionyNadazaZaStartemIZatrzymaniem) {
    if (geteuid() != 0)
        GTEST_SKIP() << "the server is started as user firebird only by root";
    testy::TInstalacjaTestowa instalacja;
    instalacja.WpiszDoUstawien(FProgram.Sciezka());
    // A lock directory of its own keeps the two servers' shared memory apart;
    // the started program inherits our environment.
    ASSERT_EQ(setenv("FIREBIRD_LOCK", (instalacja.Katalog() + "/lock").c_str(), 1), 0);
    EXPECT_FALSE(SerwerUruchomiony());

    const bool uruchomiony = UruchomSerwer();
    unsetenv("FIREBIRD_LOCK");
    ASSERT_TRUE(uruchomiony);
    EXPECT_EQ(Kursor().Biezacy(), TKursor::Normalny);
    EXPECT_TRUE(testy::CzekajNa([] { return SerwerUruchomiony(); }, 15000));
    const auto pid = instalacja.PidSerwera();
    ASSERT_TRUE(pid);
    // Started as user firebird, in a session of its own, not our child.
    struct stat wlasciciel{};
    ASSERT_EQ(stat(("/proc/" + std::to_string(*pid)).c_str(), &wlasciciel), 0);
    EXPECT_NE(wlasciciel.st_uid, 0u);
    EXPECT_NE(getsid(*pid), getsid(0));
    // The machine's own server is another process and keeps running.
    EXPECT_TRUE(PrzyjmujePolaczenia(kDomyslnyPortSerwera));

    instalacja.ZatrzymajSerwer();
    EXPECT_TRUE(testy::CzekajNa([] { return !SerwerUruchomiony(); }, 5000));
}

}  // namespace
}  // namespace ramvel
