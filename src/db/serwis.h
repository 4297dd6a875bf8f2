#pragma once
// One connection to the Firebird service manager, shared by the restore, the
// server-information and the configuration services: the parameter blocks,
// the attach, start and query calls, and the detach on every way out.
#include <ibase.h>

#include <cstdint>
#include <string>

namespace ramvel {

class TLokalizacjaBazyFile;

// Every query is answered into a buffer of this size.
inline constexpr size_t kBuforOdpowiedziSerwisu = 32000;

// The bytes of a service parameter block or request. Format notes: a start
// request's text item is the item byte, a 16-bit little-endian length and the
// bytes; an integer item is the item byte and a 32-bit little-endian value; a
// flag is the item byte alone. The attach block's texts carry a one-byte
// length. A text too long for its length field raises EBlad.
class TBlokSerwisu {
public:
    TBlokSerwisu& Bajt(uint8_t bajt);
    TBlokSerwisu& Flaga(uint8_t pozycja) { return Bajt(pozycja); }
    TBlokSerwisu& Tekst(uint8_t pozycja, const std::string& tekst);
    TBlokSerwisu& TekstKrotki(uint8_t pozycja, const std::string& tekst);
    TBlokSerwisu& Liczba(uint8_t pozycja, int32_t wartosc);
    const std::string& Bajty() const { return FBajty; }

private:
    std::string FBajty;
};

// The attach block: isc_spb_version, isc_spb_current_version, the user name
// and the password, then the client configuration that keeps the attachment
// away from an engine inside our own process.
std::string ParametryPolaczeniaSerwisu(const std::string& uzytkownik, const std::string& haslo);

// The service name from the settings read by `ustawienia` (Zdalna, Protokol,
// NazwaSerwera).
std::string NazwaUslugiZUstawien(const TLokalizacjaBazyFile& ustawienia);

class TPolaczenieSerwisu {
public:
    // Attaches as the database user with the data layer's password; the
    // client's error (EBladFirebird) when the service manager cannot be reached.
    explicit TPolaczenieSerwisu(const std::string& nazwaUslugi);
    // Detaches when still attached; an error of that detach is swallowed,
    // since a failure that got here is already on its way to the caller.
    ~TPolaczenieSerwisu();
    TPolaczenieSerwisu(const TPolaczenieSerwisu&) = delete;
    TPolaczenieSerwisu& operator=(const TPolaczenieSerwisu&) = delete;

    // isc_service_start with the request's bytes; EBladFirebird on failure.
    void Uruchom(const std::string& zadanie);
    // isc_service_query with the request items; the answer buffer
    // (kBuforOdpowiedziSerwisu bytes, zero-filled past the answer).
    // EBladFirebird on failure.
    const std::string& Zapytaj(const std::string& elementy);
    // Detaches and reports the detach's error.
    void Odlacz();

private:
    isc_svc_handle FUchwyt = 0;
    std::string FOdpowiedz;
};

// The answer to one isc_info_svc_line query. Format notes: it must be the item
// 62, a 16-bit little-endian length L, L bytes and isc_info_end; L = 0 means
// the service has no more output. Any other shape raises EBlad.
struct TLiniaSerwisu {
    bool Koniec = false;
    std::string Tekst;
};
TLiniaSerwisu CzytajLinieSerwisu(const std::string& odpowiedz);

// A 16- or 32-bit little-endian number at `pozycja` of `bajty`, which must hold
// it (EBlad otherwise).
uint32_t CzytajLiczbeLE(const std::string& bajty, size_t pozycja, size_t dlugosc);

// The message of an answer that is not what was asked for.
inline constexpr const char* kZlaOdpowiedzSerwisu =
    "Menedżer usług serwera bazy danych przysłał odpowiedź w nieoczekiwanej postaci.";

}  // namespace ramvel
