#pragma once
// Ramvel in a terminal: the same flows as the window, with page 1 and page 2
// shown as text and the choices read from options or asked on the terminal.
#include <iosfwd>
#include <string>
#include <vector>

namespace ramvel {

struct TOpcjeKonsoli {
    std::string Zrodlo;   // "dyskietka", "automatyczna", "inna" or '' (ask)
    std::string Sciezka;  // --sciezka: the other location
    std::string Firma;    // --firma: company key, '' (ask)
    int Kopia = 0;        // --kopia: 1 = oldest; 0 = the newest
    std::string Cel;      // --cel: "firmy" or a directory; '' (ask)
    bool Akceptuj = false;
};

// Parses the terminal's options; returns false (and a Polish reason) on a wrong one.
bool CzytajOpcjeKonsoli(const std::vector<std::string>& parametry, TOpcjeKonsoli& opcje, std::string& blad);

// Runs the whole job; returns the exit status: 0 when the verdict is success,
// 1 otherwise.
int UruchomWKonsoli(const TOpcjeKonsoli& opcje, std::istream& wejscie, std::ostream& wyjscie);

}  // namespace ramvel
