#pragma once
// Packs files into one KVR archive the way the maker's backups hold them:
// each file under its bare name (Windows-1250) with its modification time.
// Built on the test-only writer: for the demo installation and tests only.
#include <string>
#include <vector>

namespace ramvel::testy {

// Writes `archiwum` (one volume, ended by a terminator) from `pliki`. Raises
// EBlad with a Polish message, leaving no archive behind, when a file cannot
// be read, is empty (a size of 0 is the archive's terminator, so the files
// after it would be lost), is too large for the size field, or has a name that
// Windows-1250 cannot hold (or, on a file system with names over 255 bytes,
// that is longer than the format allows).
void SpakujKvr(const std::string& archiwum, const std::vector<std::string>& pliki);

}  // namespace ramvel::testy
