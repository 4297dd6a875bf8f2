#pragma once
// A test-only LZRW1-KH coder: makes the blocks that the decoder must read.
// The program itself never codes.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace ramvel::testy {

struct TOpcjeKodera {
    uint8_t Forma = 0x40;        // form byte of a coded block (anything but 0x80)
    bool ZawszeKoduj = false;    // keep the coded form even when it is longer
    bool Runy = true;            // runs of 16..4,111 equal bytes
    bool Kopie = true;           // copies of 3..18 bytes from up to 4,095 back
};

// One piece of at most 32,768 bytes as one block; the stored form (0x80 and
// the bytes) when coding does not pay, unless ZawszeKoduj.
std::vector<uint8_t> KodujLzrw1KH(const uint8_t* dane, size_t ile, const TOpcjeKodera& opcje = {});

}  // namespace ramvel::testy
