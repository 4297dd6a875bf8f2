#include "ui/konsola/zdarzenia_konsoli.h"

namespace ramvel {

void TZdarzeniaKonsoli::Rozpocznij() {
    if (FZagniezdzenie++ > 0)
        return;
    FCtrlC.emplace();
}

void TZdarzeniaKonsoli::Zakoncz() {
    if (FZagniezdzenie == 0 || --FZagniezdzenie > 0)
        return;
    FCtrlC.reset();
}

bool TZdarzeniaKonsoli::PrzerwanieWcisniete() { return FCtrlC && FCtrlC->Odbierz(); }

}  // namespace ramvel
