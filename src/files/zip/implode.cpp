// Method 6, "imploding": a sliding dictionary of 4 KB or 8 KB whose literals,
// match lengths and distances are coded with Shannon-Fano trees.
//
// Format notes:
// - Flag bit 1 selects the 8 KB window (7 low distance bits, else 6); flag bit
//   2 adds a tree for literals (else a literal is 8 plain bits). The shortest
//   match is 3 bytes with the literal tree and 2 without.
// - The trees come first, byte-aligned, in the order literals (when present),
//   lengths, distances. Each is a count byte (bytes that follow, minus one),
//   then bytes whose low nibble is a code length minus one and whose high
//   nibble is how many successive symbols have it, minus one. The literal tree
//   covers 256 symbols, the others 64.
// - Codes are assigned from the longest length down, the last symbol of the
//   sorted list getting all zeros, so each code is the bitwise complement of
//   the canonical (deflate-style) code for the same lengths. The code's bits
//   arrive most significant first, so a decoder complements each bit and reads
//   the canonical code. That holds only for a complete tree, which every
//   encoder produces; any other tree is corrupt data.
// - Then each item starts with a flag bit: 1 a literal, 0 a match. A match is
//   the low distance bits (plain), the high 6 distance bits (distance tree), a
//   length (length tree; 63 adds 8 plain bits), plus the shortest match. The
//   copy starts distance + 1 bytes back; bytes before the start of the output
//   are zeros.
// - The stream has no end mark: decoding stops at the entry's size.
#include <array>
#include <cstring>
#include <memory>

#include "files/zip/dekompresja.h"
#include "files/zip/format_zip.h"
#include "files/zip/kody_zip.h"

namespace ramvel {
namespace {

constexpr unsigned NajdluzszyKod = 16;  // a length nibble plus one
constexpr size_t SymboleLiteralow = 256;
constexpr size_t SymboleDlugosci = 64;
constexpr size_t SymboleOdleglosci = 64;
constexpr size_t RozmiarOkna = 8192;     // the larger of the two windows
constexpr unsigned DlugoscZDodatkiem = 63;  // a length code that takes 8 more bits

// A canonical decoding table: how many codes of each length, and the symbols
// ordered by length, then by value.
struct TDrzewo {
    std::array<uint16_t, NajdluzszyKod + 1> Liczba{};
    std::array<uint16_t, SymboleLiteralow> Symbole{};
};

// Reads one stored tree of `symboli` symbols. -4 when its lengths do not cover
// exactly that many symbols or do not make a complete code.
int32_t CzytajDrzewo(TWejscieZip& wejscie, size_t symboli, TDrzewo& drzewo) {
    uint8_t liczbaBajtow = 0;
    if (const int32_t kod = wejscie.Bajt(liczbaBajtow); kod != 0)
        return kod;
    std::array<uint8_t, SymboleLiteralow> dlugosci{};
    size_t symbol = 0;
    for (unsigned i = 0; i <= liczbaBajtow; ++i) {
        uint8_t bajt = 0;
        if (const int32_t kod = wejscie.Bajt(bajt); kod != 0)
            return kod;
        const unsigned dlugosc = (bajt & 0x0F) + 1u;
        const unsigned powtorzen = (bajt >> 4) + 1u;
        if (symbol + powtorzen > symboli)
            return KodZip::BladFormatu;
        for (unsigned j = 0; j < powtorzen; ++j)
            dlugosci[symbol++] = static_cast<uint8_t>(dlugosc);
    }
    if (symbol != symboli)
        return KodZip::BladFormatu;

    drzewo.Liczba.fill(0);
    for (size_t s = 0; s < symboli; ++s)
        ++drzewo.Liczba[dlugosci[s]];
    // Completeness: every length's codes use up exactly the space left.
    int32_t pozostalo = 1;
    for (unsigned dlugosc = 1; dlugosc <= NajdluzszyKod; ++dlugosc) {
        pozostalo = pozostalo * 2 - drzewo.Liczba[dlugosc];
        if (pozostalo < 0)
            return KodZip::BladFormatu;
    }
    if (pozostalo != 0)
        return KodZip::BladFormatu;
    std::array<uint16_t, NajdluzszyKod + 2> poczatek{};
    for (unsigned dlugosc = 1; dlugosc <= NajdluzszyKod; ++dlugosc)
        poczatek[dlugosc + 1] = static_cast<uint16_t>(poczatek[dlugosc] + drzewo.Liczba[dlugosc]);
    for (size_t s = 0; s < symboli; ++s)
        drzewo.Symbole[poczatek[dlugosci[s]]++] = static_cast<uint16_t>(s);
    return 0;
}

// One symbol: the code is read bit by bit, each bit complemented, and found
// among the canonical codes of its length.
int32_t Dekoduj(TWejscieZip& wejscie, const TDrzewo& drzewo, unsigned& symbol) {
    int32_t kod = 0;       // the complemented bits so far
    int32_t pierwszy = 0;  // the first canonical code of this length
    int32_t indeks = 0;    // its place in Symbole
    for (unsigned dlugosc = 1; dlugosc <= NajdluzszyKod; ++dlugosc) {
        uint32_t bit = 0;
        if (const int32_t blad = wejscie.Bity(1, bit); blad != 0)
            return blad;
        kod |= static_cast<int32_t>(bit ^ 1u);
        const int32_t liczba = drzewo.Liczba[dlugosc];
        if (kod - pierwszy < liczba) {
            symbol = drzewo.Symbole[static_cast<size_t>(indeks + kod - pierwszy)];
            return 0;
        }
        indeks += liczba;
        pierwszy = (pierwszy + liczba) << 1;
        kod <<= 1;
    }
    return KodZip::BladFormatu;  // unreachable for a complete tree
}

class TExplode {
public:
    TExplode(TWejscieZip& wejscie, TWyjscieZip& wyjscie, uint16_t flagi, uint64_t rozmiar)
        : FWejscie(wejscie),
          FWyjscie(wyjscie),
          FBityOdleglosci((flagi & formatzip::FlagaOkno8K) ? 7 : 6),
          FSaLiteraly((flagi & formatzip::FlagaTrzyDrzewa) != 0),
          FNajkrotszeDopasowanie(FSaLiteraly ? 3 : 2),
          FRozmiar(rozmiar) {
        FOkno.fill(0);
    }

    int32_t Rozpakuj() {
        if (FSaLiteraly)
            if (const int32_t kod = CzytajDrzewo(FWejscie, SymboleLiteralow, FLiteraly); kod != 0)
                return kod;
        if (const int32_t kod = CzytajDrzewo(FWejscie, SymboleDlugosci, FDlugosci); kod != 0)
            return kod;
        if (const int32_t kod = CzytajDrzewo(FWejscie, SymboleOdleglosci, FOdleglosci); kod != 0)
            return kod;
        while (FWypisano < FRozmiar) {
            uint32_t literal = 0;
            if (const int32_t kod = FWejscie.Bity(1, literal); kod != 0)
                return kod;
            const int32_t kod = literal ? Literal() : Dopasowanie();
            if (kod != 0)
                return kod;
        }
        return FWyjscie.Oproznij();
    }

private:
    int32_t Literal() {
        uint32_t bajt = 0;
        if (FSaLiteraly) {
            unsigned symbol = 0;
            if (const int32_t kod = Dekoduj(FWejscie, FLiteraly, symbol); kod != 0)
                return kod;
            bajt = symbol;
        } else if (const int32_t kod = FWejscie.Bity(8, bajt); kod != 0) {
            return kod;
        }
        return Wypisz(static_cast<uint8_t>(bajt));
    }

    int32_t Dopasowanie() {
        uint32_t niskie = 0;
        unsigned wysokie = 0, dlugosc = 0;
        if (const int32_t kod = FWejscie.Bity(FBityOdleglosci, niskie); kod != 0)
            return kod;
        if (const int32_t kod = Dekoduj(FWejscie, FOdleglosci, wysokie); kod != 0)
            return kod;
        if (const int32_t kod = Dekoduj(FWejscie, FDlugosci, dlugosc); kod != 0)
            return kod;
        if (dlugosc == DlugoscZDodatkiem) {
            uint32_t dodatek = 0;
            if (const int32_t kod = FWejscie.Bity(8, dodatek); kod != 0)
                return kod;
            dlugosc += dodatek;
        }
        dlugosc += FNajkrotszeDopasowanie;
        const size_t odleglosc = ((static_cast<size_t>(wysokie) << FBityOdleglosci) | niskie) + 1;
        // The window starts as zeros, which is what a copy from before the
        // output's start must give.
        for (; dlugosc > 0 && FWypisano < FRozmiar; --dlugosc)
            if (const int32_t kod = Wypisz(FOkno[(FPozycjaOkna - odleglosc) % RozmiarOkna]); kod != 0)
                return kod;
        return 0;
    }

    int32_t Wypisz(uint8_t bajt) {
        FOkno[FPozycjaOkna] = bajt;
        FPozycjaOkna = (FPozycjaOkna + 1) % RozmiarOkna;
        ++FWypisano;
        return FWyjscie.Bajt(bajt);
    }

    TWejscieZip& FWejscie;
    TWyjscieZip& FWyjscie;
    const unsigned FBityOdleglosci;
    const bool FSaLiteraly;
    const unsigned FNajkrotszeDopasowanie;
    const uint64_t FRozmiar;
    uint64_t FWypisano = 0;
    TDrzewo FLiteraly, FDlugosci, FOdleglosci;
    std::array<uint8_t, RozmiarOkna> FOkno;
    size_t FPozycjaOkna = 0;
};

}  // namespace

int32_t RozpakujImplode(TWejscieZip& wejscie, TWyjscieZip& wyjscie, uint16_t flagi, uint64_t rozmiar) {
    auto dekoder = std::make_unique<TExplode>(wejscie, wyjscie, flagi, rozmiar);
    return dekoder->Rozpakuj();
}

}  // namespace ramvel
