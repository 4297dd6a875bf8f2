#include "ui/konsola/ctrl_c.h"

#include <signal.h>

namespace ramvel {
namespace {

volatile std::sig_atomic_t GNacisniecia = 0;
int GNasluchujacych = 0;
struct sigaction GPoprzedniaObsluga {};

extern "C" void PoliczCtrlC(int) { GNacisniecia = GNacisniecia + 1; }

}  // namespace

TNasluchCtrlC::TNasluchCtrlC() : FWidziane(GNacisniecia) {
    if (GNasluchujacych++ > 0)
        return;
    struct sigaction obsluga {};
    obsluga.sa_handler = PoliczCtrlC;
    sigemptyset(&obsluga.sa_mask);
    // Reads and writes go on after the signal; the watchers test the count.
    obsluga.sa_flags = SA_RESTART;
    sigaction(SIGINT, &obsluga, &GPoprzedniaObsluga);
}

TNasluchCtrlC::~TNasluchCtrlC() {
    if (--GNasluchujacych == 0)
        sigaction(SIGINT, &GPoprzedniaObsluga, nullptr);
}

bool TNasluchCtrlC::Odbierz() {
    const std::sig_atomic_t teraz = GNacisniecia;
    if (teraz == FWidziane)
        return false;
    FWidziane = teraz;
    return true;
}

}  // namespace ramvel
