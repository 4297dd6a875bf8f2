#include "archive/kvr/czytnik_kvr.h"

#include <cstring>

#include "archive/kvr/lzrw1kh.h"
#include "platform/cp1250.h"

namespace ramvel {
namespace {

// Format notes: every integer is little-endian. The header is "K#V#R" and five
// version bytes. An entry is size (int32), name length (int32), the name, the
// DOS date (uint32, only in archives with dates), blocks of a uint16 stored
// length and the payload, and a uint16 end marker 0. A size of 0 in place of
// an entry ends the archive.
constexpr uint8_t kSygnatura[5] = {'K', '#', 'V', '#', 'R'};

int32_t Int32(const uint8_t* b) {
    return static_cast<int32_t>(uint32_t{b[0]} | (uint32_t{b[1]} << 8) | (uint32_t{b[2]} << 16) |
                                (uint32_t{b[3]} << 24));
}

}  // namespace

bool WersjaNowsza(const uint8_t wersja[5]) {
    for (int i = 0; i < 5; ++i)
        if (wersja[i] > static_cast<uint8_t>(kWersjaKvr[i]))
            return true;
    return false;
}

bool WersjaZDatami(const uint8_t wersja[5]) {
    for (int i = 0; i < 5; ++i)
        if (wersja[i] < static_cast<uint8_t>(kWersjaKvr[i]))
            return false;
    return true;
}

void TCzytnikKvr::Czytaj(uint8_t* bufor, size_t ile) {
    if (FArchiwum.CzytajZArchiwum(bufor, ile) != ile)
        Niekompletne();
}

std::string TCzytnikKvr::OpisWpisu() const {
    return FNazwaWpisu.empty() ? std::string("w nagłówku pliku") : "w pliku \"" + FNazwaWpisu + "\"";
}

void TCzytnikKvr::Niekompletne() {
    const std::string archiwum = "Archiwum \"" + FArchiwum.NazwaArchiwum() + "\"";
    if (FArchiwum.LimitPaczek())
        throw EUszkodzoneArchiwum(archiwum + " jest uszkodzone: ma więcej niż 101 paczek.");
    throw EUszkodzoneArchiwum(archiwum + " jest niekompletne: kończy się " + OpisWpisu() + ". Brak paczki \"" +
                              FArchiwum.BrakujacaPaczka() + "\" albo archiwum zostało ucięte.");
}

TNaglowekKvr TCzytnikKvr::SprawdzNaglowek() {
    uint8_t naglowek[10];
    const size_t n = FArchiwum.CzytajZArchiwum(naglowek, sizeof naglowek);
    if (n < 5 || std::memcmp(naglowek, kSygnatura, 5) != 0 || n < sizeof naglowek)
        return TNaglowekKvr::ZlaSygnatura;
    if (WersjaNowsza(naglowek + 5))
        return TNaglowekKvr::NowszaWersja;
    FZDatami = WersjaZDatami(naglowek + 5);
    return TNaglowekKvr::Poprawny;
}

bool TCzytnikKvr::CzytajRozmiar(int32_t& rozmiar) {
    FNazwaWpisu.clear();
    uint8_t pole[4];
    const size_t n = FArchiwum.CzytajZArchiwum(pole, sizeof pole);
    if (n == 0 && FByloWpisu) {
        // Exhausted right after an end marker: a valid end, unless a volume
        // of the set is missing here and later ones lie beside it.
        const std::string zaLuka = FArchiwum.LimitPaczek() ? std::string() : FArchiwum.PaczkaZaLuka();
        if (!zaLuka.empty())
            throw EUszkodzoneArchiwum("Archiwum \"" + FArchiwum.NazwaArchiwum() + "\" jest niekompletne: brak paczki \"" +
                                      FArchiwum.BrakujacaPaczka() + "\", choć jest paczka \"" + zaLuka + "\".");
        return false;
    }
    if (n != sizeof pole)
        Niekompletne();
    rozmiar = Int32(pole);
    FByloWpisu = true;
    return rozmiar != 0;
}

void TCzytnikKvr::CzytajNazwe(TWpisKvr& wpis) {
    uint8_t pole[4];
    Czytaj(pole, sizeof pole);
    const int32_t dlugosc = Int32(pole);
    if (dlugosc < 1 || dlugosc > kMaksDlugoscNazwy)
        throw EUszkodzoneArchiwum("Archiwum \"" + FArchiwum.NazwaArchiwum() +
                                  "\" jest uszkodzone: nieprawidłowa długość nazwy pliku (" +
                                  std::to_string(dlugosc) + ").");
    uint8_t nazwa[kMaksDlugoscNazwy];
    Czytaj(nazwa, static_cast<size_t>(dlugosc));
    wpis.Nazwa.assign(reinterpret_cast<const char*>(nazwa), static_cast<size_t>(dlugosc));
    FNazwaWpisu = Cp1250NaUtf8(wpis.Nazwa);
    wpis.MaDate = FZDatami;
    wpis.DataDos = 0;
    if (FZDatami) {
        Czytaj(pole, sizeof pole);
        wpis.DataDos = static_cast<uint32_t>(Int32(pole));
    }
}

size_t TCzytnikKvr::CzytajBlok(uint8_t* zakodowany, uint8_t* zdekodowany, uint16_t& dlugoscZapisana) {
    uint8_t pole[2];
    Czytaj(pole, sizeof pole);
    dlugoscZapisana = static_cast<uint16_t>(pole[0] | (pole[1] << 8));
    if (dlugoscZapisana > kRozmiarBuforaBloku)
        throw EUszkodzoneArchiwum("Archiwum \"" + FArchiwum.NazwaArchiwum() +
                                  "\" jest uszkodzone: nieprawidłowa długość bloku (" +
                                  std::to_string(dlugoscZapisana) + ") " + OpisWpisu() + ".");
    Czytaj(zakodowany, dlugoscZapisana);
    const int wynik = Lzrw1KHDecompress(zakodowany, zdekodowany, dlugoscZapisana);
    if (wynik < 0)
        throw EUszkodzoneArchiwum("Archiwum \"" + FArchiwum.NazwaArchiwum() +
                                  "\" jest uszkodzone: błędny blok danych " + OpisWpisu() + ".");
    return static_cast<size_t>(wynik);
}

bool TCzytnikKvr::CzytajZnacznikKonca() {
    uint8_t pole[2];
    Czytaj(pole, sizeof pole);
    return pole[0] == 0 && pole[1] == 0;
}

}  // namespace ramvel
