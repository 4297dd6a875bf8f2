#include "ui/okna_paka.h"

#include "ui/konsola/okna_paka_konsoli.h"

namespace ramvel {
namespace {

IOknaPaka*& Zainstalowane() {
    static IOknaPaka* okna = nullptr;
    return okna;
}

}  // namespace

IOknaPaka& OknaPaka() {
    if (Zainstalowane())
        return *Zainstalowane();
    // Never destroyed, like the process terminal it writes to.
    static TOknaPakaKonsoli* konsoli = new TOknaPakaKonsoli(Konsola());
    return *konsoli;
}

IOknaPaka* UstawOknaPaka(IOknaPaka* okna) {
    IOknaPaka* poprzednie = Zainstalowane();
    Zainstalowane() = okna;
    return poprzednie;
}

}  // namespace ramvel
