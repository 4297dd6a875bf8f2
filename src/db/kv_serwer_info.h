#pragma once
// The server's version and implementation, asked of the service manager.
#include <cstdint>
#include <string>

namespace ramvel {

// What PobierzWersjeSerwera gives for both texts when the server rejects the
// login: the caller then takes the database's own version instead.
inline constexpr const char* kWersjaNieznana = "LI ...";

class TkvSerwerInfo {
public:
    // With `czytajUstawienia` the server's name, place and protocol come from
    // baza.set; otherwise the fields are the caller's to fill.
    explicit TkvSerwerInfo(bool czytajUstawienia);

    std::string NazwaSerwera;
    bool Zdalna = false;
    uint8_t Protokol = 0;

    // Attaches, reads the configuration answer (unused) and the version
    // answer, detaches on every way out. EBladFirebird or EBlad on failure.
    void Pobierz(std::string& wersja, std::string& implementacja);
};

// Both texts emptied first; a rejected login (335544472) gives kWersjaNieznana
// twice and no error; every other failure is raised.
void PobierzWersjeSerwera(std::string& wersja, std::string& implementacja);

// The answer to isc_info_svc_get_config. Format notes: the item 53 followed
// by (key byte, 16-bit length, bytes) pairs up to isc_info_flag_end, the
// items 58 to 61 each as a text with a 16-bit length, then isc_info_end. A
// Firebird 3 server answers with isc_info_end alone. Any other shape raises EBlad.
void SprawdzOdpowiedzKonfiguracji(const std::string& odpowiedz);

// The answer to isc_info_svc_version, _server_version and _implementation:
// exactly these three items in any order (54 a 32-bit number, 55 and 56 texts
// with a 16-bit length), then isc_info_end. Any other shape raises EBlad.
struct TWersjaSerwera {
    uint32_t WersjaUslug = 0;
    std::string Wersja;
    std::string Implementacja;
};
TWersjaSerwera CzytajOdpowiedzWersji(const std::string& odpowiedz);

}  // namespace ramvel
