#pragma once
// What the restore and registration tests need around the server: a program
// directory with its baza.set, Firebird's own tools (gbak, fbsvcmgr) run as
// SYSKVR, and waiting for a server that is restarting.
#include <exception>
#include <string>
#include <vector>

#include "wspolne/testy.h"

namespace ramvel::testy {

// A program directory holding baza.set for a local server whose database
// directory is `katalogBazy` (extension ".gdb"), installed as the program
// directory for its lifetime.
class TProgramTestowy {
public:
    explicit TProgramTestowy(const std::string& katalogBazy, const std::string& dodatkoweLinie = "");
    ~TProgramTestowy();
    TProgramTestowy(const TProgramTestowy&) = delete;
    TProgramTestowy& operator=(const TProgramTestowy&) = delete;
    const std::string& Sciezka() const { return FKatalog.Sciezka(); }
    // Rewrites baza.set with these lines of section MAIN.
    void UstawBazaSet(const std::string& linie) const;

private:
    TKatalogTymczasowy FKatalog;
    std::string FPoprzedni;
};

struct TWynikNarzedzia {
    int Kod = -1;            // exit status; -1 when it did not end normally
    std::string Wyjscie;     // stdout and stderr together
};

// Runs a tool with ISC_USER/ISC_PASSWORD of SYSKVR in its environment (so the
// password is in no command line).
TWynikNarzedzia UruchomNarzedzie(const std::vector<std::string>& argumenty);

// gbak's backup of a database reached through the server, written by gbak
// itself (as us) to `kopia`. Raises std::runtime_error when gbak fails.
void ZrobKopieGbak(const std::string& baza, const std::string& kopia);

// The output lines of the same restore run by fbsvcmgr: the peer the restore
// service's lines are compared with.
std::vector<std::string> LinieOdtwarzaniaFbsvcmgr(const std::string& kopia, const std::string& baza);

// Waits (bounded) until the machine's server accepts connections again.
bool CzekajNaSerwer(int limitMs = 60000);

// Runs `krok`, a fixture's set-up through the server, up to three times,
// waiting for the server between attempts: other test programs on this
// machine may restart it. The operation under test is never retried.
template <class F>
auto Ponawiaj(F krok) -> decltype(krok()) {
    for (int proba = 1;; ++proba) {
        try {
            return krok();
        } catch (const std::exception&) {
            if (proba == 3)
                throw;
            CzekajNaSerwer();
        }
    }
}

// scripts/firebird.sh restart: only for the test whose failed restore can
// leave the server's message formatting broken.
void RestartujSerwer();

}  // namespace ramvel::testy
