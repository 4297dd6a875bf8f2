#pragma once
// The typed confirmation on the terminal: the question, then the user is asked
// to type TAK. Anything else, or the end of input, is a refusal.
#include "ui/pytanie.h"

namespace ramvel {

class TKonsola;

class TPytaniaKonsoli : public IPytanie {
public:
    explicit TPytaniaKonsoli(TKonsola& konsola) : FKonsola(konsola) {}
    bool Zadaj(const std::string& tytul, const std::string& tresc) override;

private:
    TKonsola& FKonsola;
};

// Over the process's terminal.
TPytaniaKonsoli& PytaniaKonsoli();

}  // namespace ramvel
