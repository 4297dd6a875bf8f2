#pragma once
// A second Firebird installation for the tests that need a server that is not
// running, and one they may start and stop: a root directory of its own whose
// firebird.conf names a free port on 127.0.0.1, with its own copy of the user
// database and its own lock directory, and the rest linked to Debian's
// installation. The server of the machine (port 3050) is never touched.
#include <sys/types.h>

#include <cstdint>
#include <optional>
#include <string>

namespace ramvel::testy {

class TInstalacjaTestowa {
public:
    TInstalacjaTestowa();
    // Stops a server started from it and removes the directory.
    ~TInstalacjaTestowa();
    TInstalacjaTestowa(const TInstalacjaTestowa&) = delete;
    TInstalacjaTestowa& operator=(const TInstalacjaTestowa&) = delete;

    const std::string& Katalog() const { return FKatalog; }
    uint16_t Port() const { return FPort; }

    // ramvel.ini in `katalogProgramu` naming this installation.
    void WpiszDoUstawien(const std::string& katalogProgramu) const;

    // The server process whose FIREBIRD is this root, if one runs.
    std::optional<pid_t> PidSerwera() const;
    // SIGTERM to that process, then SIGKILL; waits until the port is closed.
    void ZatrzymajSerwer() const;

private:
    std::string FKatalog;
    uint16_t FPort = 0;
};

// Waits up to `limitMs` for `warunek` to hold, checking every 50 ms.
template <class F>
bool CzekajNa(F warunek, int limitMs);

// The Debian installation's root, where the test installation links to.
std::string KatalogFirebirdaDebiana();

// A port on 127.0.0.1 that nothing listens on right now.
uint16_t WolnyPort();

}  // namespace ramvel::testy

#include <chrono>
#include <thread>

template <class F>
bool ramvel::testy::CzekajNa(F warunek, int limitMs) {
    const auto koniec = std::chrono::steady_clock::now() + std::chrono::milliseconds(limitMs);
    for (;;) {
        if (warunek())
            return true;
        if (std::chrono::steady_clock::now() >= koniec)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}
