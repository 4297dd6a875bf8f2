#include "ui/pytanie.h"

#include "platform/cp1250.h"
#include "ui/konsola/pytanie_konsoli.h"

namespace ramvel {
namespace {

IPytanie*& Zainstalowane() {
    static IPytanie* pytania = nullptr;
    return pytania;
}

}  // namespace

const char* const SLOWO_POTWIERDZENIA = "TAK";
const char* const INSTRUKCJA_POTWIERDZENIA = "Aby zaakceptować należy wpisać \"TAK\" w pole";

IPytanie& Pytania() {
    if (Zainstalowane())
        return *Zainstalowane();
    return PytaniaKonsoli();
}

IPytanie* UstawPytania(IPytanie* pytania) {
    IPytanie* poprzednie = Zainstalowane();
    Zainstalowane() = pytania;
    return poprzednie;
}

bool ZadajPytanie(const std::string& tytul, const std::string& tresc) { return Pytania().Zadaj(tytul, tresc); }

bool JestPotwierdzeniem(const std::string& wpisane) { return WielkieLitery(wpisane) == SLOWO_POTWIERDZENIA; }

std::string TekstPytania(const std::string& tresc) {
    std::string wynik = tresc;
    for (char& c : wynik)
        if (c == '^')
            c = '\n';
    return wynik;
}

}  // namespace ramvel
