#include "ui/konsola/pytanie_konsoli.h"

#include <ostream>

#include "ui/konsola/konsola.h"

namespace ramvel {
namespace {

std::string BezBrzegowychOdstepow(const std::string& s) {
    size_t a = 0, b = s.size();
    while (a < b && (s[a] == ' ' || s[a] == '\t' || s[a] == '\r'))
        ++a;
    while (b > a && (s[b - 1] == ' ' || s[b - 1] == '\t' || s[b - 1] == '\r'))
        --b;
    return s.substr(a, b - a);
}

}  // namespace

bool TPytaniaKonsoli::Zadaj(const std::string& tytul, const std::string& tresc) {
    std::ostream& wyjscie = FKonsola.Wyjscie();
    wyjscie << "\n== " << tytul << " ==\n"
            << TekstPytania(tresc) << "\n"
            << INSTRUKCJA_POTWIERDZENIA << ": " << std::flush;
    std::string linia;
    if (!FKonsola.CzytajLinie(linia)) {
        wyjscie << "\n";
        return false;
    }
    return JestPotwierdzeniem(BezBrzegowychOdstepow(linia));
}

TPytaniaKonsoli& PytaniaKonsoli() {
    static TPytaniaKonsoli* pytania = new TPytaniaKonsoli(Konsola());
    return *pytania;
}

}  // namespace ramvel
