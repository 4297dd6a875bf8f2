#pragma once
// The KVR format over the logical stream of an archive: the header with its
// version rule, each entry's fields, its blocks and end marker, and the end of
// the archive. Damage is raised as EUszkodzoneArchiwum with a Polish message
// that names the volume in use.
#include <cstdint>
#include <string>

#include "archive/kvr/paczki.h"
#include "platform/bledy.h"

namespace ramvel {

// The version this engine writes and understands.
inline constexpr char kWersjaKvr[] = "@101@";
inline constexpr int kMaksDlugoscNazwy = 256;

class EUszkodzoneArchiwum : public EBlad {
public:
    using EBlad::EBlad;
};

enum class TNaglowekKvr { Poprawny, ZlaSygnatura, NowszaWersja };

// Version rule on the five stored bytes, each position on its own.
bool WersjaNowsza(const uint8_t wersja[5]);
bool WersjaZDatami(const uint8_t wersja[5]);

struct TWpisKvr {
    int32_t RozmiarPliku = 0;  // negative: wrong size information, still read
    std::string Nazwa;         // as stored: Windows-1250 bytes, '\' between directories
    bool MaDate = false;
    uint32_t DataDos = 0;      // date in the high 16 bits, time in the low ones
};

class TCzytnikKvr {
public:
    explicit TCzytnikKvr(TCzytnikArchiwum& archiwum) : FArchiwum(archiwum) {}

    // SprawdzNaglowek: the signature, then the version; a stream too short for
    // the header is no KVR archive.
    TNaglowekKvr SprawdzNaglowek();
    bool ArchiwumZDatami() const { return FZDatami; }

    // Reads the size field that starts an entry. False at the end of the
    // archive: a terminator (0), or, after at least one entry, a stream that is
    // exhausted right there. A gap in the volume set at that point is damage.
    bool CzytajRozmiar(int32_t& rozmiar);
    // The rest of the entry's header (name length 1..256, name, date).
    void CzytajNazwe(TWpisKvr& wpis);
    // One block into `zakodowany`, decoded into `zdekodowany` (both
    // kRozmiarBuforaBloku bytes). Returns the decoded length; a piece of fewer
    // than 32,768 bytes is the entry's last.
    size_t CzytajBlok(uint8_t* zakodowany, uint8_t* zdekodowany, uint16_t& dlugoscZapisana);
    // False when the end marker is not 0.
    bool CzytajZnacznikKonca();

    TCzytnikArchiwum& Archiwum() { return FArchiwum; }

private:
    void Czytaj(uint8_t* bufor, size_t ile);
    [[noreturn]] void Niekompletne();
    std::string OpisWpisu() const;

    TCzytnikArchiwum& FArchiwum;
    bool FZDatami = false;
    bool FByloWpisu = false;      // at least one entry was read
    std::string FNazwaWpisu;      // the current entry's name in UTF-8, '' in its size field
};

}  // namespace ramvel
