#pragma once
// The four methods the extraction decodes. Each takes the entry's compressed
// bytes from a TWejscieZip and puts the decoded bytes into a TWyjscieZip, and
// returns 0 or a negative code: -3 the data ended early, -4 the data is
// corrupt, -5 the user stopped, -2 the destination refused a block.
#include <cstdint>

#include "files/zip/wejscie_zip.h"
#include "files/zip/wyjscie_zip.h"

namespace ramvel {

// Method 0: the bytes as they are.
int32_t RozpakujBezKompresji(TWejscieZip& wejscie, TWyjscieZip& wyjscie);
// Method 1: dynamic LZW with partial clearing.
int32_t RozpakujShrink(TWejscieZip& wejscie, TWyjscieZip& wyjscie);
// Method 6: sliding dictionary with Shannon-Fano trees; `flagi` holds the
// window size (bit 1) and the tree count (bit 2); `rozmiar` bytes come out.
int32_t RozpakujImplode(TWejscieZip& wejscie, TWyjscieZip& wyjscie, uint16_t flagi, uint64_t rozmiar);
// Method 8: raw deflate through zlib.
int32_t RozpakujDeflate(TWejscieZip& wejscie, TWyjscieZip& wyjscie);

// True for the methods above.
bool MetodaObslugiwana(uint16_t metoda);
// The block size of the method's output: 767 for shrink, else 32768.
size_t RozmiarBlokuMetody(uint16_t metoda);
// Dispatches by method; -6 for any other.
int32_t Dekompresuj(uint16_t metoda, uint16_t flagi, uint64_t rozmiar, TWejscieZip& wejscie, TWyjscieZip& wyjscie);

}  // namespace ramvel
