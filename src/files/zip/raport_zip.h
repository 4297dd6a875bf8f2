#pragma once
// The progress report of an extraction, laid out byte for byte as the progress
// window of the original program reads it.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace ramvel {

#pragma pack(push, 1)
struct TRaportZip {
    char NazwaPliku[260];       // archive path (start, end) or the entry's full target path; zero-terminated
    int32_t Czas;               // DOS date (high 16 bits) and time; -1 in the end report
    int32_t Rozmiar;            // uncompressed size of the entry, or a total
    int32_t RozmiarSpakowany;   // compressed size of the entry, or a total
    int32_t Atrybuty;           // DOS attribute byte; -1 in the end report
    uint16_t Metoda;            // compression method; 0 in the end report
    uint8_t Stopien;            // compression ratio in percent, wrapped to 8 bits
    uint8_t Zarezerwowane1;
    int32_t Status;             // report status or error code
    uint8_t JestKatalogiem;     // the entry names a directory
    uint8_t Zarezerwowane2[3];
};
#pragma pack(pop)

static_assert(sizeof(TRaportZip) == 288);
static_assert(offsetof(TRaportZip, Czas) == 260 && offsetof(TRaportZip, Rozmiar) == 264 &&
              offsetof(TRaportZip, RozmiarSpakowany) == 268 && offsetof(TRaportZip, Atrybuty) == 272 &&
              offsetof(TRaportZip, Metoda) == 276 && offsetof(TRaportZip, Stopien) == 278 &&
              offsetof(TRaportZip, Status) == 280 && offsetof(TRaportZip, JestKatalogiem) == 284);

// Called synchronously with (Wartosc, Raport); an empty function means none.
using TRaportZipProc = std::function<void(int32_t wartosc, TRaportZip& raport)>;

// 100 - C*100/U; both first divided by 100 when C exceeds 21474836, as the
// original did to stay within 32 bits. A negative ratio wraps in the byte.
uint8_t Stopien(int64_t spakowany, int64_t rozmiar);

// Copies a UTF-8 text into NazwaPliku, cut to 259 bytes without splitting a
// character.
void UstawNazweRaportu(TRaportZip& raport, const std::string& nazwa);

}  // namespace ramvel
