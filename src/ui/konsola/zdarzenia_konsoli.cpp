#include "ui/konsola/zdarzenia_konsoli.h"

#include <csignal>

namespace ramvel {
namespace {

volatile std::sig_atomic_t sygnalPrzerwania = 0;
struct sigaction poprzedniaObsluga {};

extern "C" void ZapamietajPrzerwanie(int) { sygnalPrzerwania = 1; }

}  // namespace

TZdarzeniaKonsoli::~TZdarzeniaKonsoli() {
    if (FZagniezdzenie > 0)
        PrzywrocSygnal();
}

void TZdarzeniaKonsoli::Rozpocznij() {
    if (FZagniezdzenie++ > 0)
        return;
    sygnalPrzerwania = 0;
    struct sigaction obsluga {};
    obsluga.sa_handler = ZapamietajPrzerwanie;
    sigemptyset(&obsluga.sa_mask);
    // Reads and writes go on after the signal; the job tests the flag itself.
    obsluga.sa_flags = SA_RESTART;
    sigaction(SIGINT, &obsluga, &poprzedniaObsluga);
}

void TZdarzeniaKonsoli::Zakoncz() {
    if (FZagniezdzenie == 0 || --FZagniezdzenie > 0)
        return;
    PrzywrocSygnal();
}

void TZdarzeniaKonsoli::PrzywrocSygnal() {
    sigaction(SIGINT, &poprzedniaObsluga, nullptr);
    FZagniezdzenie = 0;
}

bool TZdarzeniaKonsoli::PrzerwanieWcisniete() {
    if (!sygnalPrzerwania)
        return false;
    sygnalPrzerwania = 0;
    return true;
}

}  // namespace ramvel
