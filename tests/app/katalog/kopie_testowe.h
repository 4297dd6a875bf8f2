#pragma once
// Backups as the product leaves them: an archive and its description beside it.
#include <string>
#include <utility>
#include <vector>

namespace ramvel::testy {

using TKlucze = std::vector<std::pair<std::string, std::string>>;

// Section "Kopia" with the keys in Windows-1250 and CRLF line ends.
std::string Opis(const TKlucze& klucze);

// <katalog>/<nazwa>.<rozszerzenie> (a few bytes) and <katalog>/<nazwa>.ini
// of a Morvanta PRO backup of company `podKatalog` made at `czas`; the
// directory levels are created.
void ZapiszKopie(const std::string& katalog, const std::string& nazwa, const std::string& podKatalog,
                 const std::string& czas, const std::string& rozszerzenie = "zip");

}  // namespace ramvel::testy
