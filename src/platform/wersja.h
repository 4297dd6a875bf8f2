#pragma once
// Version information carried inside an executable: a block of "name=value"
// texts behind a marker, in a section of its own, that WersjaPliku finds in
// any file. A file without the block has no version ('').
#include <string>

namespace ramvel {

// '' when the file is missing, has no block, or the name is not in it.
// "FileVer" is read as "FileVersion".
std::string WersjaPliku(const std::string& plik, const std::string& nazwa);
std::string WersjaProgramu(const std::string& nazwa);

// The block as this build lays it into the executable (for tests that write
// files with and without it).
std::string BlokWersjiProgramu();

}  // namespace ramvel
