#pragma once
// The typed confirmation: a question whose "yes" destroys shared data counts
// as accepted only after the user has typed the word TAK.
#include <string>

namespace ramvel {

class IPytanie {
public:
    virtual ~IPytanie() = default;
    // "^" in `tresc` starts a new line. True only when the user typed TAK and
    // accepted; every other way out is false.
    virtual bool Zadaj(const std::string& tytul, const std::string& tresc) = 0;
};

// The front end in use; the terminal one until another is installed.
IPytanie& Pytania();
// Installs `pytania` (not owned; nullptr goes back to the terminal) and returns
// the one it replaced.
IPytanie* UstawPytania(IPytanie* pytania);

bool ZadajPytanie(const std::string& tytul, const std::string& tresc);

// The word that accepts, and the instruction that names it.
extern const char* const SLOWO_POTWIERDZENIA;
extern const char* const INSTRUKCJA_POTWIERDZENIA;

// True when `wpisane` is the word of acceptance, letter case aside (the box
// upper-cases what is typed).
bool JestPotwierdzeniem(const std::string& wpisane);

// "^" replaced by line ends.
std::string TekstPytania(const std::string& tresc);

}  // namespace ramvel
