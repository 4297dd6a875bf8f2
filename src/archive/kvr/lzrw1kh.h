#pragma once
// The block codec of KVR archives (module LZRW1KH): decoding only.
#include <cstddef>
#include <cstdint>

namespace ramvel {

// A piece of a file: what one block decodes to at most.
inline constexpr size_t kRozmiarKawalka = 32768;
// The reader's block buffer; also the longest stored length a block may have.
// The 16 bytes above a piece are room for the decoder's wide copies.
inline constexpr size_t kRozmiarBuforaBloku = 32784;

// Codes of a damaged block, as Lzrw1KHDecompress returns them.
enum : int {
    kLzrwZaDuzo = -1,       // the output would pass 32,768 bytes
    kLzrwUcietyBlok = -2,   // a control word or an item reaches past the block's length
    kLzrwPrzedPoczatkiem = -3,  // a copy reaches back before the start of the output
};

// Decodes the block of `dlugosc` bytes at `zrodlo` into `cel`, which must hold
// kRozmiarBuforaBloku bytes. Returns the number of decoded bytes (0..32,768),
// which stand at the start of `cel`, or one of the negative codes above; the
// bytes of `cel` after the decoded ones are scratch and may have been written.
// Never reads past `dlugosc` bytes nor writes past the buffer.
int Lzrw1KHDecompress(const uint8_t* zrodlo, uint8_t* cel, uint16_t dlugosc);

}  // namespace ramvel
