#pragma once
// What many tests need: a temporary directory that goes away, files written and
// read whole, and the way to the fixtures from outside the project.
#include <gtest/gtest.h>

#include <string>

namespace ramvel::testy {

// A fresh directory under /tmp, removed with everything in it at the end.
// Mode 0755 so that the database server's user can reach what it holds.
class TKatalogTymczasowy {
public:
    TKatalogTymczasowy();
    ~TKatalogTymczasowy();
    TKatalogTymczasowy(const TKatalogTymczasowy&) = delete;
    TKatalogTymczasowy& operator=(const TKatalogTymczasowy&) = delete;
    const std::string& Sciezka() const { return FSciezka; }
    std::string operator/(const std::string& nazwa) const { return FSciezka + "/" + nazwa; }

private:
    std::string FSciezka;
};

void ZapiszPlik(const std::string& sciezka, const std::string& bajty);
std::string CzytajPlik(const std::string& sciezka);

// ../shared/fixtures/<podkatalog> beside the clone, or '' when it is absent.
std::string KatalogFixtures(const std::string& podkatalog);
// True when running under CI (CI=true): missing fixtures are then a failure.
bool WCI();

}  // namespace ramvel::testy

// Skips the test when the fixtures are absent, and fails it instead under CI.
#define RAMVEL_WYMAGAJ_FIXTURES(katalog)                                                    \
    do {                                                                                    \
        if ((katalog).empty()) {                                                            \
            if (::ramvel::testy::WCI())                                                     \
                FAIL() << "brak ../shared/fixtures obok repozytorium (CI=true)";             \
            GTEST_SKIP() << "brak ../shared/fixtures obok repozytorium; test pominięty";     \
        }                                                                                   \
    } while (0)
