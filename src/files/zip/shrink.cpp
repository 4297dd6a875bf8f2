// Method 1, "shrinking": LZW whose code width grows from 9 to 13 bits on the
// encoder's command, and whose table is partly cleared on command.
//
// Format notes:
// - Codes 0..255 stand for themselves. Code 256 is a command: the next code
//   is 1 (widen codes by one bit) or 2 (partial clear). Codes from 257 on are
//   entries of the table: a prefix code and one byte appended to it.
// - After each code but the first, a new entry "previous string + first byte
//   of this string" takes the lowest free code, while any is free. A code may
//   arrive one step before it is entered (the string KwKwK): it then means the
//   previous string followed by its own first byte.
// - A partial clear frees every entry that is no other entry's prefix. Freed
//   codes are handed out again lowest first. The previous code itself may be
//   freed; the entry made from it next still points at its number, and means
//   whatever that number holds when the entry is used. Hence strings are read
//   by walking prefixes at the moment of use, not fixed when entered, and a
//   walk that loops (an entry made its own prefix) is corrupt data.
#include <array>
#include <memory>
#include <vector>

#include "files/zip/dekompresja.h"
#include "files/zip/kody_zip.h"

namespace ramvel {
namespace {

constexpr unsigned NajmniejszaSzerokosc = 9;
constexpr unsigned NajwiekszaSzerokosc = 13;
constexpr uint16_t KodPolecenia = 256;
constexpr uint16_t PolecenieSzerzej = 1;
constexpr uint16_t PolecenieCzesciowegoCzyszczenia = 2;
constexpr uint16_t PierwszyWolny = 257;
constexpr size_t LiczbaKodow = size_t{1} << NajwiekszaSzerokosc;  // 8192
constexpr uint16_t Wolny = 0xFFFF;  // prefix of a code not in the table

class TUnshrink {
public:
    TUnshrink(TWejscieZip& wejscie, TWyjscieZip& wyjscie) : FWejscie(wejscie), FWyjscie(wyjscie) {
        for (size_t kod = 0; kod < 256; ++kod) {
            FPrefiks[kod] = static_cast<uint16_t>(kod);
            FBajt[kod] = static_cast<uint8_t>(kod);
        }
        for (size_t kod = 256; kod < LiczbaKodow; ++kod)
            FPrefiks[kod] = Wolny;
        for (size_t kod = PierwszyWolny; kod < LiczbaKodow; ++kod)
            FKolejkaWolnych.push_back(static_cast<uint16_t>(kod));
    }

    int32_t Rozpakuj() {
        uint16_t kod = 0;
        bool koniec = false;
        if (const int32_t blad = NastepnyKod(kod, koniec); blad != 0 || koniec)
            return blad != 0 ? blad : FWyjscie.Oproznij();
        if (kod > 255)
            return KodZip::BladFormatu;  // the first code has nothing to refer to
        if (const int32_t blad = FWyjscie.Bajt(static_cast<uint8_t>(kod)); blad != 0)
            return blad;
        uint16_t poprzedni = kod;
        uint8_t pierwszyPoprzedniego = static_cast<uint8_t>(kod);
        for (;;) {
            if (const int32_t blad = NastepnyKod(kod, koniec); blad != 0 || koniec)
                return blad != 0 ? blad : FWyjscie.Oproznij();
            // The next free code, entered ahead of time in case this very code
            // needs it (KwKwK); the real entry below overwrites it the same way.
            const bool jestWolny = FNastepnyWolny < FKolejkaWolnych.size();
            const uint16_t nowy = jestWolny ? FKolejkaWolnych[FNastepnyWolny] : Wolny;
            if (jestWolny) {
                FPrefiks[nowy] = poprzedni;
                FBajt[nowy] = pierwszyPoprzedniego;
            }
            uint8_t pierwszy = 0;
            if (const int32_t blad = WypiszCiag(kod, pierwszy); blad != 0)
                return blad;
            if (jestWolny) {
                FBajt[nowy] = pierwszy;
                ++FNastepnyWolny;
            }
            poprzedni = kod;
            pierwszyPoprzedniego = pierwszy;
        }
    }

private:
    // The next code that is not a command, carrying out the commands on the
    // way. `koniec` when the data holds no further whole code.
    int32_t NastepnyKod(uint16_t& kod, bool& koniec) {
        for (;;) {
            if (FWejscie.KoniecBitow(FSzerokosc)) {
                koniec = true;
                return 0;
            }
            uint32_t wartosc = 0;
            if (const int32_t blad = FWejscie.Bity(FSzerokosc, wartosc); blad != 0)
                return blad;
            if (wartosc != KodPolecenia) {
                kod = static_cast<uint16_t>(wartosc);
                return 0;
            }
            if (FWejscie.KoniecBitow(FSzerokosc))
                return KodZip::BladCzytania;
            if (const int32_t blad = FWejscie.Bity(FSzerokosc, wartosc); blad != 0)
                return blad;
            if (wartosc == PolecenieSzerzej && FSzerokosc < NajwiekszaSzerokosc)
                ++FSzerokosc;
            else if (wartosc == PolecenieCzesciowegoCzyszczenia)
                CzyscCzesciowo();
            else
                return KodZip::BladFormatu;
        }
    }

    void CzyscCzesciowo() {
        std::array<bool, LiczbaKodow> jestPrefiksem{};
        for (size_t kod = PierwszyWolny; kod < LiczbaKodow; ++kod)
            if (FPrefiks[kod] != Wolny)
                jestPrefiksem[FPrefiks[kod]] = true;
        // A code already free but still named as a prefix stays out of the
        // queue: the encoder's table does not offer it again either.
        FKolejkaWolnych.clear();
        FNastepnyWolny = 0;
        for (size_t kod = PierwszyWolny; kod < LiczbaKodow; ++kod)
            if (!jestPrefiksem[kod]) {
                FPrefiks[kod] = Wolny;
                FKolejkaWolnych.push_back(static_cast<uint16_t>(kod));
            }
    }

    // Writes the string of `kod` and gives its first byte.
    int32_t WypiszCiag(uint16_t kod, uint8_t& pierwszy) {
        size_t dlugosc = 0;
        for (uint16_t biezacy = kod; ; biezacy = FPrefiks[biezacy]) {
            if (biezacy == KodPolecenia || FPrefiks[biezacy] == Wolny || dlugosc == LiczbaKodow)
                return KodZip::BladFormatu;  // a free code, or a loop of prefixes
            FStos[dlugosc++] = FBajt[biezacy];
            if (biezacy < 256)
                break;
        }
        pierwszy = FStos[dlugosc - 1];
        while (dlugosc > 0)
            if (const int32_t blad = FWyjscie.Bajt(FStos[--dlugosc]); blad != 0)
                return blad;
        return 0;
    }

    TWejscieZip& FWejscie;
    TWyjscieZip& FWyjscie;
    unsigned FSzerokosc = NajmniejszaSzerokosc;
    std::array<uint16_t, LiczbaKodow> FPrefiks;  // Wolny for a free code
    std::array<uint8_t, LiczbaKodow> FBajt;      // the byte the entry appends
    std::vector<uint16_t> FKolejkaWolnych;       // free codes, lowest first
    size_t FNastepnyWolny = 0;                   // the next of them to hand out
    std::array<uint8_t, LiczbaKodow> FStos;      // a string, last byte first
};

}  // namespace

int32_t RozpakujShrink(TWejscieZip& wejscie, TWyjscieZip& wyjscie) {
    auto dekoder = std::make_unique<TUnshrink>(wejscie, wyjscie);
    return dekoder->Rozpakuj();
}

}  // namespace ramvel
