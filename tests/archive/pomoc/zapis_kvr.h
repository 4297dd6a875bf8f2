#pragma once
// A test-only KVR writer: archives of any version, entries with or without
// dates, blocks coded by the test coder, damaged fields on demand, and volume
// sets cut at any byte.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "archive/pomoc/koder_lzrw1kh.h"

namespace ramvel::testy {

uint32_t DataDos(int rok, int miesiac, int dzien, int godzina, int minuta, int sekunda);

struct TOpcjePliku {
    uint32_t Data = DataDos(2021, 3, 14, 15, 9, 26);
    std::optional<int32_t> Rozmiar;    // the stored size field instead of the true size
    uint16_t ZnacznikKonca = 0;
    TOpcjeKodera Koder;
};

class TZapisKvr {
public:
    // The header: "K#V#R" and the version; entries carry dates when every
    // version byte is at least that of "@101@".
    explicit TZapisKvr(const std::string& wersja = "@101@");

    TZapisKvr& Plik(const std::string& nazwaCp1250, const std::string& dane, const TOpcjePliku& opcje = {});
    TZapisKvr& Terminator();
    TZapisKvr& Surowe(const std::string& bajty);

    const std::string& Bajty() const { return FBajty; }
    // Offsets right after each entry's end marker.
    const std::vector<size_t>& KonceWpisow() const { return FKonce; }

private:
    std::string FBajty;
    bool FZDatami;
    std::vector<size_t> FKonce;
};

std::string Int32Le(int32_t wartosc);
std::string Uint16Le(uint16_t wartosc);

// The stream cut into volumes of `rozmiar` bytes (the last holds the rest).
std::vector<std::string> Potnij(const std::string& strumien, size_t rozmiar);
// Writes the volumes as `pierwsza`, then the names NazwaNastepnejPaczki gives.
void ZapiszPaczki(const std::string& pierwsza, const std::vector<std::string>& paczki);

}  // namespace ramvel::testy
