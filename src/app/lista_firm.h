#pragma once
// The catalogue of the last search: the companies found, each with its own
// backups.
#include <memory>
#include <string>
#include <vector>

#include "app/rek_kat.h"

namespace ramvel {

struct TFirma {
    std::string Klucz;                            // the key as the first backup found spelt it
    std::vector<std::unique_ptr<TRekKat>> Kopie;  // owned; by time after Sortuj
};

class TListaFirm {
public:
    void Wyczysc() { FFirmy.clear(); }
    bool Pusta() const { return FFirmy.empty(); }
    int Ilosc() const { return static_cast<int>(FFirmy.size()); }
    // nullptr outside the list.
    const TFirma* Firma(int indeks) const;
    TRekKat* Kopia(int firma, int kopia) const;

    // Keys that differ only in letter case (Polish letters included) are one
    // company; a new company goes at the end.
    void DodajKopie(std::unique_ptr<TRekKat> rekord);

    // Companies in Polish alphabetical order regardless of letter case (ą
    // after a, ł after l); the backups of each by time, ascending, equal times
    // keeping the order in which they were found.
    void Sortuj();

private:
    std::vector<TFirma> FFirmy;
};

}  // namespace ramvel
