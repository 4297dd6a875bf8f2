#pragma once
// Record signatures and little-endian field access of the ZIP format (PKWARE's
// APPNOTE). Every field read goes through Pole16/Pole32 on a range the caller
// has already checked.
#include <cstddef>
#include <cstdint>

namespace ramvel::formatzip {

constexpr uint32_t SygnaturaLokalna = 0x04034B50;    // "PK\3\4", local file header
constexpr uint32_t SygnaturaKatalogu = 0x02014B50;   // "PK\1\2", central file header
constexpr uint32_t SygnaturaKonca = 0x06054B50;      // "PK\5\6", end of central directory
constexpr size_t DlugoscNaglowkaLokalnego = 30;
constexpr size_t DlugoscNaglowkaKatalogu = 46;
constexpr size_t DlugoscRekorduKonca = 22;

// General-purpose flag bits.
constexpr uint16_t FlagaZakodowany = 0x0001;
constexpr uint16_t FlagaOkno8K = 0x0002;       // method 6 only
constexpr uint16_t FlagaTrzyDrzewa = 0x0004;   // method 6 only
constexpr uint16_t FlagaOpisPoDanych = 0x0008; // sizes and CRC follow the data
constexpr uint16_t FlagaUtf8 = 0x0800;         // name and comment in UTF-8

constexpr uint16_t MetodaBezKompresji = 0;
constexpr uint16_t MetodaShrink = 1;
constexpr uint16_t MetodaImplode = 6;
constexpr uint16_t MetodaDeflate = 8;

inline uint16_t Pole16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}
inline uint32_t Pole32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

}  // namespace ramvel::formatzip
