#pragma once
// Drives, free space and the computer, on top of the drive table of platform/.
#include <cstdint>
#include <string>

namespace ramvel {

// True when the drive's medium is present and readable. A lower-case letter
// counts as upper case; a non-letter raises EBlad "Błędny identyfikator napędu.".
bool SprawdzNaped(char litera);

// True for a path written with the letter A: or B:, or lying under the
// directory the drive table gives for A: or B:.
bool JestDyskietka(const std::string& sciezka);
// 'A' or 'B' for a diskette path, else 0.
char LiteraDyskietki(const std::string& sciezka);
// A path written with a drive letter ("A:\kopia\x.kvp") in its Linux form under
// the drive's directory; other paths unchanged.
std::string SciezkaNaNapedzie(const std::string& sciezka);

// Free bytes on the drive's medium, at most 2^31-1; -1 on failure.
int32_t WolneNaDyskietce(char litera);
// Free kilobytes of the file system of a path, at most 2^31-1; -1 on failure.
int32_t WolneKB(const std::string& sciezka);

// "/S:<name>" when given and not empty, else the host name.
std::string NazwaKomputera();
// The rest of the first parameter that begins with przelacznik + ":"
// (case-sensitive); '' when none does.
std::string WartoscParametru(const std::string& przelacznik);

}  // namespace ramvel
