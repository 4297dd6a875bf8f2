#include "ui/okno_bledu_bazy.h"

#include "ui/konsola/okno_bledu_bazy_konsoli.h"

namespace ramvel {
namespace {

IOknoBleduBazy*& Zainstalowane() {
    static IOknoBleduBazy* okno = nullptr;
    return okno;
}

}  // namespace

IOknoBleduBazy& OknoBleduBazy() {
    if (Zainstalowane())
        return *Zainstalowane();
    // Never destroyed, like the terminal it writes to.
    static auto* konsola = new TOknoBleduBazyKonsoli(Konsola());
    return *konsola;
}

IOknoBleduBazy* UstawOknoBleduBazy(IOknoBleduBazy* okno) {
    IOknoBleduBazy* poprzednie = Zainstalowane();
    Zainstalowane() = okno;
    return poprzednie;
}

}  // namespace ramvel
