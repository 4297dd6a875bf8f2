#pragma once
// baza.set: where the Firebird server runs and where the database files lie.
// Read afresh by every attachment to a database or to the service manager,
// and the connection strings built from it.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace ramvel {

class TPlikIni;

class TLokalizacjaBazyFile {
public:
    // An empty `plik` means baza.set in the program directory. Reads nothing
    // yet; a missing file is no failure.
    explicit TLokalizacjaBazyFile(const std::string& plik = "");
    virtual ~TLokalizacjaBazyFile();
    TLokalizacjaBazyFile(const TLokalizacjaBazyFile&) = delete;
    TLokalizacjaBazyFile& operator=(const TLokalizacjaBazyFile&) = delete;

    // Reads section "MAIN" and applies the defaults. A failure is shown with
    // KomunikatBlad and ends in EPrzerwanie; the fields read before it keep
    // their values.
    virtual void Czytaj();

    const std::string& Plik() const { return FPlik; }

    bool Zdalna = false;
    std::string KatalogBazy;
    std::string NazwaSerwera;
    uint8_t Protokol = 0;
    std::string KatalogWspolny;
    std::string KatalogProfilu;
    std::string RozszerzenieBazy;

private:
    std::string FPlik;
    std::unique_ptr<TPlikIni> FIni;
};

// An integer as baza.set writes it: signed 32-bit decimal, or hexadecimal
// after "0x" or "$" (which may wrap to a negative value); nullopt for anything
// else, which the callers treat as a missing key.
std::optional<int32_t> LiczbaUstawienia(const std::string& tekst);

// The connection string for the client's attach: a plain path for a local
// server; "server:path" (0, TCP/IP), "\\server\path" (1, named pipes) or
// "server@path" (2, SPX) for a remote one; '' for any other protocol.
std::string SciezkaPolaczenia(bool zdalna, const std::string& nazwaSerwera, uint8_t protokol,
                              const std::string& plikBazy, const std::string& katalog);

enum class TProtokolSerwisu : uint8_t { psTCP = 0, psSPX = 1, psNamedPipe = 2, psLokalny = 3 };

TProtokolSerwisu ProtokolSerwisu(bool zdalna, uint8_t protokol);
// The service-manager name for the client's service attach.
std::string NazwaUslugi(TProtokolSerwisu protokol, const std::string& nazwaSerwera);

}  // namespace ramvel
