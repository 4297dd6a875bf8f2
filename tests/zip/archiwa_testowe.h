#pragma once
// Archives the tests make themselves: a small ZIP writer, and encoders for
// shrink and implode that produce valid streams of the shapes the decoders
// must handle.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ramvel::testy {

struct TWpisTestowy {
    std::string Nazwa{};                   // bytes as stored
    std::string Dane{};                    // the content
    uint16_t Metoda = 0;                   // 0 and 8 are compressed here; others need Spakowane
    std::optional<std::string> Spakowane{};  // the compressed bytes, when given
    uint16_t Flagi = 0;
    bool OpisPoDanych = false;             // bit 3: zeros in the local header, a descriptor after the data
    std::optional<uint32_t> Crc{};         // a CRC to store instead of the true one
    uint8_t System = 0;                    // host byte of "version made by"
    uint32_t AtrybutyZewnetrzne = 0;
    uint32_t CzasDos = 0x5A2E6A10;         // 2025-01-14 13:16:32
};

// A whole archive; `przedrostek` goes in front (a self-extractor's stub)
// without moving the offsets.
std::string ZbudujZip(const std::vector<TWpisTestowy>& wpisy, const std::string& przedrostek = "");

// Raw deflate of `dane`.
std::string Deflate(const std::string& dane);
uint32_t Crc32(const std::string& dane);

// Shrink streams. KlasyczneLzw enters each string as soon as it is complete
// (the decoder then sees codes one step before they are entered) and stops
// entering when the table is full; ZCzyszczeniem enters them one step later
// and orders a partial clear whenever the table is full.
enum class TTrybShrink { KlasyczneLzw, ZCzyszczeniem };
struct TPrzebiegShrink {
    unsigned NajwiekszaSzerokosc = 9;
    int Czyszczen = 0;
};
std::string Shrink(const std::string& dane, TTrybShrink tryb, TPrzebiegShrink* przebieg = nullptr);

// Implode streams with flat trees (every symbol the same code length), for
// the given flags: bit 1 the 8 KB window, bit 2 the literal tree. Matches are
// searched greedily; `odZera` also lets the first match reach before the start
// of the data (which holds zeros).
std::string Implode(const std::string& dane, uint16_t flagi, bool odZera = false);

}  // namespace ramvel::testy
