#include "files/kursor.h"

#include <chrono>
#include <thread>

#include "platform/srodowisko.h"
#include "ui/kursor.h"

namespace ramvel {
namespace {

int& Licznik() {
    static int licznik = 0;
    return licznik;
}

}  // namespace

void KursorCzekaj(bool wymus, int rodzaj) {
    const TKursor biezacy = Kursor().Biezacy();
    if (biezacy != TKursor::Klepsydra && biezacy != TKursor::StrzalkaZKlepsydra)
        Licznik() = 0;  // somebody else put the cursor back
    if (wymus || Licznik() == 0) {
        if (rodzaj == 0)
            Kursor().Ustaw(TKursor::Klepsydra);
        else if (rodzaj == 1)
            Kursor().Ustaw(TKursor::StrzalkaZKlepsydra);
        Licznik() = 1;
    } else {
        ++Licznik();
    }
}

void KursorNormalny(bool wymus) {
    if (Licznik() > 0)
        --Licznik();
    if (wymus || Licznik() == 0) {
        Kursor().Ustaw(TKursor::Normalny);
        Licznik() = 0;
    }
}

void Odczekaj(uint32_t milisekundy) {
    const uint32_t poczatek = LicznikMs();
    for (;;) {
        const uint32_t teraz = LicznikMs();
        if (teraz < poczatek || teraz - poczatek >= milisekundy)
            return;
        // Same end as spinning on the tick, without burning a core.
        std::this_thread::sleep_for(std::chrono::milliseconds(std::min<uint32_t>(10, milisekundy - (teraz - poczatek))));
    }
}

}  // namespace ramvel
