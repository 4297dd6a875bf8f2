#pragma once
// Paths, directories and file attributes.
#include <cstdint>
#include <optional>
#include <string>

namespace ramvel {

// Joins with '/' when the directory begins with '/', else with '\'; an empty
// directory gives the name unchanged, and the name itself is not examined.
std::string PolaczSciezke(const std::string& katalog, const std::string& nazwa);
// The directory part including its last separator; '' when there is none.
std::string KatalogNadrzedny(const std::string& sciezka);
// The part after the last separator ('/', '\' or ':').
std::string NazwaPliku(const std::string& sciezka);

// Creates the missing levels from the outermost inwards. Raises EBlad
// "Błąd tworzenia katalogu." for an empty level.
bool UtworzDrzewoKatalogow(const std::string& katalog);
// Leaves relative paths that do not start with a letter C..Z, diskette paths and
// '' alone. Raises "Nie można utworzyć katalogu: " + path when it cannot.
void UtworzKatalog(const std::string& katalog);
// Empties a directory (read-only files and nested directories included) and
// keeps it. Symbolic links are removed, never followed. Failures are skipped.
void UsunZawartoscKatalogu(const std::string& katalog);

bool PlikIstnieje(const std::string& plik);
// The file as named, or else the one in the same directory whose name differs
// only in letter case (Polish letters included), as Windows would find it;
// the smallest such name when there are several. nullopt when none exists.
std::optional<std::string> ZnajdzPlikBezWielkosciLiter(const std::string& sciezka);     // a regular file (or a link to one)
bool KatalogIstnieje(const std::string& katalog);

// Size in bytes; -1 when the file cannot be read.
int64_t RozmiarPliku(const std::string& plik);

// A file is read-only when none of its write bits is set (so it stays so for
// root too). Setting it clears every write bit; clearing it gives the owner
// write access back. False when the file is missing or the change fails.
bool JestTylkoDoOdczytu(const std::string& plik);
bool UstawTylkoDoOdczytu(const std::string& plik, bool wlacz);

// Sets the modification time from a DOS date (high 16 bits) and time (low 16
// bits) in local time. Failures are ignored.
void UstawDatePliku(const std::string& plik, uint32_t dataDos);

}  // namespace ramvel
