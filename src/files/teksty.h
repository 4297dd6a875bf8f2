#pragma once
// Text utilities. Texts are UTF-8; positions and lengths count characters
// from 1, as the product's texts counted them.
#include <string>

namespace ramvel {

// Equal regardless of letter case, Polish letters included (ŁÓDŹ == łódź).
bool TekstyRowne(const std::string& a, const std::string& b);
// Position of the first occurrence regardless of case; 0 when absent.
size_t PozycjaBezWielkosci(const std::string& szukany, const std::string& tekst);
// The character at a position; 0 beyond the end.
char32_t ZnakNaPozycji(const std::string& tekst, size_t pozycja);
// Cut or padded to `dlugosc` characters: strona 'L' pads at the end, 'P' in front.
std::string DopelnijTekst(const std::string& tekst, int dlugosc, char strona, char znak);
// Field `numer` (0 counts as 1) between separators; '' when absent or negative.
std::string PoleTekstu(const std::string& tekst, int numer, char separator);
int LiczbaPol(const std::string& tekst, char separator);
// Non-overlapping, left to right, case-sensitive; returns the count.
int ZamienWszystko(const std::string& szukany, const std::string& nowy, std::string& tekst);
std::string ZamienWszystkoKopia(const std::string& szukany, const std::string& nowy, std::string tekst);
// A decimal integer with an optional sign; 0 for anything else.
int TekstNaLiczbe(const std::string& tekst);

}  // namespace ramvel
