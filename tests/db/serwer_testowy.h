#pragma once
// What the database tests need: the local Firebird server (tests skip when it
// is missing, and fail under CI), the SYSKVR password, directories the server
// may write, and small databases made for one test.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "wspolne/testy.h"

namespace ramvel {
class TkvDatabase;
}

namespace ramvel::testy {

// Where scripts/firebird.sh keeps the password (root-only).
inline constexpr const char* kPlikHaslaSerwera = "/etc/firebird/3.0/SYSKVR.password";

// '' when the server answers on 127.0.0.1:3050 and the password is known
// (RAMVEL_HASLO_BAZY, or the file above, which then sets RAMVEL_HASLO_BAZY);
// otherwise why not.
std::string PowodBrakuSerwera();

// Sets an environment variable for one scope and puts the old value back.
class TZmiennaSrodowiska {
public:
    TZmiennaSrodowiska(const char* nazwa, const char* wartosc);  // nullptr removes it
    ~TZmiennaSrodowiska();
    TZmiennaSrodowiska(const TZmiennaSrodowiska&) = delete;
    TZmiennaSrodowiska& operator=(const TZmiennaSrodowiska&) = delete;

private:
    std::string FNazwa;
    bool FByla;
    std::string FWartosc;
};

// A temporary directory that belongs to the server's user, so that the server
// can create and open database files in it.
class TKatalogSerwera : public TKatalogTymczasowy {
public:
    TKatalogSerwera();
};

// A database made through the server for one test (owner SYSKVR, character
// set WIN1250), dropped at the end. `ddl` statements run after the creation,
// each in its own transaction.
class TBazaTestowa {
public:
    TBazaTestowa(const std::string& sciezka, int dialekt = 3, const std::vector<std::string>& ddl = {});
    ~TBazaTestowa();
    TBazaTestowa(const TBazaTestowa&) = delete;
    TBazaTestowa& operator=(const TBazaTestowa&) = delete;
    const std::string& Sciezka() const { return FSciezka; }

private:
    std::string FSciezka;
};

// Runs statements on a database through the server as SYSKVR, outside the
// layer under test; each in its own transaction. Raises std::runtime_error.
void WykonajNaBazie(const std::string& sciezka, const std::vector<std::string>& polecenia);

// The rows of a query on a connected database, each row's columns as text
// joined by '|', read in a transaction of their own.
std::vector<std::string> WierszeZapytania(TkvDatabase& baza, const std::string& zapytanie);

}  // namespace ramvel::testy

// Skips the test when the server is missing, and fails it instead under CI.
#define RAMVEL_WYMAGAJ_SERWERA()                                                             \
    do {                                                                                     \
        const std::string powod_ = ::ramvel::testy::PowodBrakuSerwera();                     \
        if (!powod_.empty()) {                                                               \
            if (::ramvel::testy::WCI())                                                      \
                FAIL() << "brak serwera Firebird (CI=true): " << powod_;                     \
            GTEST_SKIP() << "brak serwera Firebird: " << powod_                              \
                         << "; uruchom bash scripts/firebird.sh";                            \
        }                                                                                    \
    } while (0)
