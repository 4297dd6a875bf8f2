#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include <filesystem>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "files/kopiuj_plik.h"
#include "platform/plik_ini.h"
#include "platform/srodowisko.h"
#include "ui/skrypt/skrypt.h"
#include "wspolne/testy.h"

namespace ramvel {
namespace {

using ::testing::IsEmpty;

class KopiujPlikTest : public ::testing::Test {
protected:
    void SetUp() override {
        UstawKatalogProgramu(FKatalog.Sciezka());
        TPlikIni(PlikUstawien()).Zapisz("NAPEDY", "A", FKatalog / "stacja_a");
    }
    void TearDown() override {
        EXPECT_THAT(FSkrypt.Bledy(), IsEmpty());
        UstawKatalogProgramu("");
    }
    std::vector<std::string> PozostalePliki(const std::string& katalog) {
        std::vector<std::string> nazwy;
        for (const auto& wpis : std::filesystem::directory_iterator(katalog))
            nazwy.push_back(wpis.path().filename().string());
        return nazwy;
    }

    testy::TKatalogTymczasowy FKatalog;
    TSkrypt FSkrypt;
};

TEST_F(KopiujPlikTest, KopiujeIZachowujeTrybZastepowanegoPliku) {
    testy::ZapiszPlik(FKatalog / "zrodlo.gbk", std::string(70000, 'z'));
    testy::ZapiszPlik(FKatalog / "cel.gbk", "stary");
    chmod((FKatalog / "cel.gbk").c_str(), 0640);
    EXPECT_TRUE(KopiujPlik(FKatalog / "zrodlo.gbk", FKatalog / "cel.gbk", true));
    EXPECT_EQ(testy::CzytajPlik(FKatalog / "cel.gbk"), std::string(70000, 'z'));
    struct stat s{};
    stat((FKatalog / "cel.gbk").c_str(), &s);
    EXPECT_EQ(s.st_mode & 07777, 0640u);
}

TEST_F(KopiujPlikTest, BrakDyskietkiWStacji) {
    FSkrypt.Blad("Błąd kopiowania pliku: x.kvp\r\rBrak dyskietki źródłowej w stacji.");
    EXPECT_FALSE(KopiujPlik("A:\\x.kvp", FKatalog / "x.kvp", true));
    EXPECT_FALSE(std::filesystem::exists(FKatalog / "x.kvp"));
}

TEST_F(KopiujPlikTest, ZDyskietkiGdyJestNosnik) {
    std::filesystem::create_directory(FKatalog / "stacja_a");
    testy::ZapiszPlik(FKatalog / "stacja_a/x.kvp", "kopia");
    EXPECT_TRUE(KopiujPlik("A:\\x.kvp", FKatalog / "x.kvp", true));
    EXPECT_EQ(testy::CzytajPlik(FKatalog / "x.kvp"), "kopia");
    FSkrypt.Blad("Błąd kopiowania pliku: y.kvp\r\rBrak pliku źródłowego.");
    EXPECT_FALSE(KopiujPlik(FKatalog / "stacja_a/y.kvp", FKatalog / "y.kvp", true));
}

TEST_F(KopiujPlikTest, CelTylkoDoOdczytu) {
    testy::ZapiszPlik(FKatalog / "zrodlo", "nowe");
    testy::ZapiszPlik(FKatalog / "cel", "stare");
    chmod((FKatalog / "cel").c_str(), 0444);
    FSkrypt.Blad("Błąd kopiowania pliku: zrodlo\r\rOdmowa dostępu.");
    EXPECT_FALSE(KopiujPlik(FKatalog / "zrodlo", FKatalog / "cel", false));
    EXPECT_EQ(testy::CzytajPlik(FKatalog / "cel"), "stare");
    EXPECT_TRUE(KopiujPlik(FKatalog / "zrodlo", FKatalog / "cel", true));
    EXPECT_EQ(testy::CzytajPlik(FKatalog / "cel"), "nowe");
}

// A copy that cannot be verified leaves the old target as it was, and no
// temporary file behind.
TEST_F(KopiujPlikTest, NieudanaKopiaNieNiszczyCelu) {
    testy::ZapiszPlik(FKatalog / "cel", "dobre dane");
    // The kernel reports size 0 for this file but reads give bytes: the copy's
    // size cannot match.
    FSkrypt.Blad("Błąd kopiowania pliku: stat\r\rBłąd wejścia/wyjścia.");
    EXPECT_FALSE(KopiujPlik("/proc/self/stat", FKatalog / "cel", true));
    EXPECT_EQ(testy::CzytajPlik(FKatalog / "cel"), "dobre dane");
    EXPECT_THAT(PozostalePliki(FKatalog.Sciezka()), ::testing::UnorderedElementsAre("cel", "ramvel.ini"));
}

TEST_F(KopiujPlikTest, CelZablokowanyPrzezInnyProgram) {
    testy::ZapiszPlik(FKatalog / "zrodlo", "nowe");
    testy::ZapiszPlik(FKatalog / "baza.fdb", "otwarta");
    const int fd = open((FKatalog / "baza.fdb").c_str(), O_RDONLY);
    ASSERT_EQ(flock(fd, LOCK_EX), 0);
    // flock locks belong to the open file description: a child process's
    // lock stands in for the server's.
    const pid_t dziecko = fork();
    if (dziecko == 0) {
        pause();
        _exit(0);
    }
    close(fd);
    FSkrypt.Blad("Błąd kopiowania pliku: zrodlo\r\rPlik jest w użyciu.");
    EXPECT_FALSE(KopiujPlik(FKatalog / "zrodlo", FKatalog / "baza.fdb", true));
    EXPECT_EQ(testy::CzytajPlik(FKatalog / "baza.fdb"), "otwarta");
    kill(dziecko, SIGKILL);
    waitpid(dziecko, nullptr, 0);
    EXPECT_TRUE(KopiujPlik(FKatalog / "zrodlo", FKatalog / "baza.fdb", true));
}

// A target this user may not open cannot be checked for a lock, so it is
// refused rather than replaced by the rename the directory would allow. Root
// opens anything, so as root the copy runs as user nobody.
TEST_F(KopiujPlikTest, CelKtoregoNieMoznaOtworzyc) {
    const std::string katalog = FKatalog / "baza";
    std::filesystem::create_directory(katalog);
    testy::ZapiszPlik(FKatalog / "zrodlo", "nowe");
    testy::ZapiszPlik(katalog + "/baza.fdb", "cudza baza");
    const passwd* nobody = getpwnam("nobody");
    const bool root = geteuid() == 0;
    if (root) {
        ASSERT_NE(nobody, nullptr);
        ASSERT_EQ(chown(katalog.c_str(), nobody->pw_uid, static_cast<gid_t>(-1)), 0);
        chmod((katalog + "/baza.fdb").c_str(), 0600);
    } else {
        chmod((katalog + "/baza.fdb").c_str(), 0200);  // writable, yet not to be opened
    }
    FSkrypt.Blad("Błąd kopiowania pliku: zrodlo\r\rOdmowa dostępu.");
    if (root) {
        ASSERT_EQ(seteuid(nobody->pw_uid), 0);
    }
    const bool skopiowano = KopiujPlik(FKatalog / "zrodlo", katalog + "/baza.fdb", true);
    if (root) {
        ASSERT_EQ(seteuid(0), 0);
    }
    EXPECT_FALSE(skopiowano);
    chmod((katalog + "/baza.fdb").c_str(), 0600);
    EXPECT_EQ(testy::CzytajPlik(katalog + "/baza.fdb"), "cudza baza");
}

TEST_F(KopiujPlikTest, CelemJestKatalog) {
    testy::ZapiszPlik(FKatalog / "zrodlo", "x");
    std::filesystem::create_directory(FKatalog / "kat");
    FSkrypt.Blad("Błąd kopiowania pliku: zrodlo\r\rTo jest katalog.");
    EXPECT_FALSE(KopiujPlik(FKatalog / "zrodlo", FKatalog / "kat", true));
}

}  // namespace
}  // namespace ramvel
