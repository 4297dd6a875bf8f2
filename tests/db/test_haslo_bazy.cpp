// Where the database password comes from, and the files refused.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "db/uzytkownik_bazy.h"
#include "platform/bledy.h"
#include "serwer_testowy.h"

namespace ramvel {
namespace {

using testy::TKatalogTymczasowy;
using testy::TZmiennaSrodowiska;
using testy::ZapiszPlik;
using testing::HasSubstr;
using testing::Not;

std::string Blad(const std::string& katalog) {
    try {
        HasloBazy(katalog);
    } catch (const EBlad& blad) {
        return blad.what();
    }
    return "(brak błędu)";
}

TEST(HasloBazy, ZmiennaMaPierwszenstwoPrzedPlikiem) {
    TKatalogTymczasowy katalog;
    ZapiszPlik(katalog / "haslo_bazy", "0123456789\n");
    chmod((katalog / "haslo_bazy").c_str(), 0600);
    TZmiennaSrodowiska zmienna(kZmiennaHaslaBazy, "ABCDEF0123");
    EXPECT_EQ(HasloBazy(katalog.Sciezka()), "ABCDEF0123");
}

TEST(HasloBazy, PlikObokUstawien) {
    TKatalogTymczasowy katalog;
    TZmiennaSrodowiska zmienna(kZmiennaHaslaBazy, nullptr);
    const std::string plik = katalog / "haslo_bazy";
    EXPECT_THAT(Blad(katalog.Sciezka()), HasSubstr("Brak hasła użytkownika bazy danych SYSKVR"));

    ZapiszPlik(plik, "0A1B2C3D4E\r\n");
    chmod(plik.c_str(), 0600);
    EXPECT_EQ(HasloBazy(katalog.Sciezka()), "0A1B2C3D4E");
    chmod(plik.c_str(), 0400);
    EXPECT_EQ(HasloBazy(katalog.Sciezka()), "0A1B2C3D4E");
}

TEST(HasloBazy, OdrzucaPlikCzytelnyDlaInnychIZlaPostac) {
    TKatalogTymczasowy katalog;
    TZmiennaSrodowiska zmienna(kZmiennaHaslaBazy, nullptr);
    const std::string plik = katalog / "haslo_bazy";
    const struct {
        const char* Tresc;
        mode_t Prawa;
        const char* Fragment;
    } przypadki[] = {
        {"0A1B2C3D4E\n", 0640, "mogą czytać lub zmieniać inni użytkownicy"},
        {"0A1B2C3D4E\n", 0604, "mogą czytać lub zmieniać inni użytkownicy"},
        {"0a1b2c3d4e\n", 0600, "nie zawiera hasła bazy danych"},
        {"0A1B2C3D4\n", 0600, "nie zawiera hasła bazy danych"},
        {"0A1B2C3D4E0\n", 0600, "nie zawiera hasła bazy danych"},
        {"", 0600, "nie zawiera hasła bazy danych"},
    };
    for (const auto& p : przypadki) {
        ZapiszPlik(plik, p.Tresc);
        chmod(plik.c_str(), p.Prawa);
        const std::string blad = Blad(katalog.Sciezka());
        EXPECT_THAT(blad, HasSubstr(p.Fragment)) << p.Tresc << " " << std::oct << p.Prawa;
        // The password itself is never part of a message.
        EXPECT_THAT(blad, Not(HasSubstr("0A1B2C3D4E")));
    }
    TZmiennaSrodowiska zla(kZmiennaHaslaBazy, "haslo");
    EXPECT_THAT(Blad(katalog.Sciezka()), HasSubstr("Zmienna RAMVEL_HASLO_BAZY nie zawiera hasła"));
}

}  // namespace
}  // namespace ramvel
