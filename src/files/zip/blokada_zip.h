#pragma once
// The process-wide marker of a running entry extraction. Everything runs on
// one thread, but the window messages an extraction processes can start
// another one; that one is refused while the first is alive.
#include <cstdint>

namespace ramvel {

class TBlokadaZip {
public:
    // Takes the marker. False when another extraction holds it, unless that
    // one has gone quiet: its last message processing lies more than 30000 ms
    // back (ticks wrap at 2^32), and then the stale marker is taken over.
    bool Zajmij(uint32_t teraz);
    void Zwolnij() { FZajeta = false; }
    // An extraction has just processed the window messages.
    void Przetworzono(uint32_t teraz) {
        FBylo = true;
        FOstatnio = teraz;
    }

private:
    bool FZajeta = false;
    bool FBylo = false;     // messages were processed at least once
    uint32_t FOstatnio = 0; // tick of the last processing
};

TBlokadaZip& BlokadaZip();

}  // namespace ramvel
