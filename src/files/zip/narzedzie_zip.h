#pragma once
// The ZIP side of the command-line tool: extract, test and list, with Polish
// output on a text stream. Each returns the process's exit code: 0 when all
// went well, 1 otherwise.
#include <iosfwd>
#include <string>

namespace ramvel {

// Extracts every entry under `katalog`. With `postep` each entry's name is
// printed as it starts. A failed entry gets a line "<name>: <text>"; a failed
// extraction ends with "Wypakowanie plików zakończone niepowodzeniem." and the
// code's text.
int ZipRozpakuj(const std::string& archiwum, const std::string& katalog, std::ostream& wyjscie, bool postep = true);

// Decodes every entry and checks its CRC-32 without writing anything.
int ZipTestuj(const std::string& archiwum, std::ostream& wyjscie);

// One line per entry: method, compressed size, size, date and time, name.
int ZipLista(const std::string& archiwum, std::ostream& wyjscie);

}  // namespace ramvel
