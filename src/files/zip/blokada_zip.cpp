#include "files/zip/blokada_zip.h"

namespace ramvel {

namespace {
constexpr uint32_t CzasPorzucenia = 30000;  // ms without message processing
}

bool TBlokadaZip::Zajmij(uint32_t teraz) {
    if (FZajeta && !(FBylo && teraz - FOstatnio > CzasPorzucenia))
        return false;
    FZajeta = true;
    return true;
}

TBlokadaZip& BlokadaZip() {
    static TBlokadaZip blokada;
    return blokada;
}

}  // namespace ramvel
