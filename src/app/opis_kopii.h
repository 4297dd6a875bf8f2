#pragma once
// The description file the product writes beside every backup archive:
// section "Kopia" of an ini file in Windows-1250.
#include <optional>
#include <string>

#include "app/rek_kat.h"

namespace ramvel {

// The description file of an archive: the same base name with ".ini", letter
// case ignored in the whole name, as it is where the backups were made
// (FIRMA.zip finds FIRMA.ini or firma.INI). The exact spelling wins when
// several match. nullopt when there is none; only a regular file counts.
std::optional<std::string> PlikOpisuKopii(const std::string& archiwum);

// Fills the record from the description of the archive: NazwaPliku always
// (the archive path with ".aaa"), then the keys in the order of the record.
// False when there is no description file. A value that is missing, not an
// integer or unreadable gives its default (0, '', "kvp" for ArchiveExt); a
// file that cannot be read at all gives every default.
bool CzytajOpisKopii(const std::string& archiwum, TRekKat& rekord);

// "YYYY-MM-DD H:MM" or "YYYY-MM-DD HH:MM": year, month and day from fixed
// positions (separators unchecked), the minutes from the last two characters,
// the hour from the one or two digits after the first blank. Anything that is
// no number, no existing date or time, or has no time part, gives 0.
double CzasKopii(const std::string& tekst);

// The path with the extension of its last name (from its last ".") replaced,
// or `rozszerzenie` appended when the name has none.
std::string ZmienRozszerzenie(const std::string& sciezka, const std::string& rozszerzenie);

}  // namespace ramvel
