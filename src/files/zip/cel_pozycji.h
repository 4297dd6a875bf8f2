#pragma once
// Where an entry is written: a file or directory under the target directory,
// reached one level at a time without following links, so that no stored name
// can write outside the target.
#include <cstdint>
#include <string>
#include <vector>

#include "files/zip/wyjscie_zip.h"

namespace ramvel {

// The levels of a stored name ('/' or '\' between them). False for a name
// that is absolute, has a drive prefix ("C:"), a ".." level or a zero byte;
// "." and empty levels are dropped, so "./" has none (the target itself).
bool PoziomyNazwy(const std::string& nazwa, std::vector<std::string>& poziomy);

class TCelPozycji : public ICelDanych {
public:
    TCelPozycji() = default;
    ~TCelPozycji() override;
    TCelPozycji(const TCelPozycji&) = delete;
    TCelPozycji& operator=(const TCelPozycji&) = delete;

    // Creates the missing levels of `nazwa` under `katalogDocelowy` and, for a
    // file, creates it empty (an existing file is overwritten, a read-only one
    // included). False when the name is unsafe, names no file, or something
    // cannot be created.
    bool Utworz(const std::string& katalogDocelowy, const std::string& nazwa, bool katalog);

    bool Zapisz(const uint8_t* dane, size_t ile) override;

    // The file's modification time from a DOS date-time (local time), and its
    // DOS attributes: read-only takes every write bit away. Then closes it;
    // false (and the file deleted) when the close reports a failed write.
    bool Zakoncz(uint32_t czasDos, uint8_t atrybuty);
    // Closes and deletes the file (a failed entry leaves nothing behind).
    void Usun();

private:
    void Zamknij();
    int FKatalog = -1;  // the directory that holds the entry
    int FPlik = -1;
    std::string FNazwa;  // the last level, within FKatalog
};


}  // namespace ramvel
