#pragma once
// The Firebird server on this computer: whether it runs, where it is
// installed, and starting it when the user asks for it.
#include <cstdint>
#include <optional>
#include <string>

namespace ramvel {

// The settings file may name another installation: section "FIREBIRD", key
// "KATALOG", the server's root directory (the one holding firebird.conf).
inline constexpr const char* kSekcjaSerwera = "FIREBIRD";
inline constexpr const char* kKluczKataloguSerwera = "KATALOG";

// The port the server listens on when firebird.conf does not say.
inline constexpr uint16_t kDomyslnyPortSerwera = 3050;

// True when the local server accepts a TCP connection on 127.0.0.1 at the port
// of its firebird.conf.
bool SerwerUruchomiony();

// The installation's root directory (no trailing '/'): the one the settings
// name, or else Debian's. False, after the message "Server FireBird nie jest
// zainstalowany na tym komputerze.", when that directory holds no firebird.conf.
bool KatalogSerwera(std::string& katalog);

// Starts the server program: through systemd where it runs the system and the
// installation is Debian's own, otherwise (Ramvel running as root) the program
// in the background as user "firebird". True when the start was handed over;
// whether the server then comes up is for the caller's attach to find out.
// Failure: "Nie udało się uruchomić serwera FireBird.".
bool UruchomSerwer();

// KatalogSerwera without the message.
std::optional<std::string> ZnajdzKatalogSerwera();
// The value of RemoteServicePort in the text of a firebird.conf (the last
// uncommented one wins, as in the server); kDomyslnyPortSerwera when it is
// missing or no port number.
uint16_t PortZKonfiguracji(const std::string& tresc);
// The port of the installation in `katalog` (its firebird.conf).
uint16_t PortSerwera(const std::string& katalog);
// The server program of an installation: bin/firebird under its root when that
// exists (the layout of Firebird's own packages), else Debian's /usr/sbin/firebird.
std::string ProgramSerwera(const std::string& katalog);
// True when something accepts a TCP connection on 127.0.0.1 at `port` within
// `limitMs` milliseconds.
bool PrzyjmujePolaczenia(uint16_t port, int limitMs = 2000);

}  // namespace ramvel
