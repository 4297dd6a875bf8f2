#pragma once
// Drive letters stand for directories: A: is the first diskette drive's mount
// point, B: the second; section "NAPEDY" of the settings file may point a
// letter elsewhere (key "A", value a directory). Other letters are unmapped.
#include <cstdint>
#include <optional>
#include <string>

namespace ramvel {

// The directory of a drive letter (either case), or nullopt when unmapped.
std::optional<std::string> KatalogNapedu(char litera);

// A drive has a medium when its directory exists and can be read and, if it
// lies under /media or /mnt, something is mounted on it.
bool NosnikObecny(const std::string& katalog);

// Free bytes of the file system holding `sciezka` (or the nearest existing
// directory above it); -1 when unknown.
int64_t WolneBajty(const std::string& sciezka);

// Total bytes of that file system; -1 when unknown.
int64_t RozmiarSystemuPlikow(const std::string& sciezka);

}  // namespace ramvel
