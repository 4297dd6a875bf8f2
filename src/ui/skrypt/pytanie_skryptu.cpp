#include "ui/skrypt/pytanie_skryptu.h"

#include "ui/skrypt/skrypt.h"

namespace ramvel {

const char* const KROK_POTWIERDZENIA = "Potwierdzenie";

TPytaniaSkryptu::TPytaniaSkryptu(TSkrypt& skrypt) : FSkrypt(skrypt) { FPoprzednie = UstawPytania(this); }

TPytaniaSkryptu::~TPytaniaSkryptu() { UstawPytania(FPoprzednie); }

bool TPytaniaSkryptu::Zadaj(const std::string& tytul, const std::string& tresc) {
    // Unexpected, the dialog is left the way most users leave it: untyped, refused.
    return JestPotwierdzeniem(FSkrypt.Krok(KROK_POTWIERDZENIA, TekstKrokuPotwierdzenia(tytul, tresc), ""));
}

std::string TekstKrokuPotwierdzenia(const std::string& tytul, const std::string& tresc) {
    return tytul + ": " + tresc;
}

TSkrypt& OczekujPotwierdzenia(TSkrypt& skrypt, const std::string& tytul, const std::string& tresc,
                              const std::string& wpisane) {
    return skrypt.Oczekuj(KROK_POTWIERDZENIA, TekstKrokuPotwierdzenia(tytul, tresc), wpisane);
}

}  // namespace ramvel
