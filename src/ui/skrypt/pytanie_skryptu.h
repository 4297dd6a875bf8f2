#pragma once
// The typed confirmation for tests: a step of kind "Potwierdzenie" whose text
// is "<title>: <question>" and whose answer is the word the user types.
#include <string>

#include "ui/pytanie.h"

namespace ramvel {

class TSkrypt;

class TPytaniaSkryptu : public IPytanie {
public:
    // Installs itself as the front end's typed confirmation until destroyed.
    explicit TPytaniaSkryptu(TSkrypt& skrypt);
    ~TPytaniaSkryptu() override;
    TPytaniaSkryptu(const TPytaniaSkryptu&) = delete;
    TPytaniaSkryptu& operator=(const TPytaniaSkryptu&) = delete;

    bool Zadaj(const std::string& tytul, const std::string& tresc) override;

private:
    TSkrypt& FSkrypt;
    IPytanie* FPoprzednie;
};

extern const char* const KROK_POTWIERDZENIA;  // "Potwierdzenie"
std::string TekstKrokuPotwierdzenia(const std::string& tytul, const std::string& tresc);
// Adds the step: the dialog with `tytul` and `tresc`, answered by typing `wpisane`.
TSkrypt& OczekujPotwierdzenia(TSkrypt& skrypt, const std::string& tytul, const std::string& tresc,
                              const std::string& wpisane);

}  // namespace ramvel
