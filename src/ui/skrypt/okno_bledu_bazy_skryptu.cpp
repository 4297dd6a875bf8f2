#include "ui/skrypt/okno_bledu_bazy_skryptu.h"

namespace ramvel {

TOknoBleduBazySkryptu::TOknoBleduBazySkryptu(TSkrypt& skrypt)
    : FSkrypt(skrypt), FPoprzednie(UstawOknoBleduBazy(this)) {}

TOknoBleduBazySkryptu::~TOknoBleduBazySkryptu() { UstawOknoBleduBazy(FPoprzednie); }

void TOknoBleduBazySkryptu::Pokaz(const std::string& tekst, const std::vector<std::string>& szczegoly) {
    FPokazane.push_back({tekst, szczegoly});
    FSkrypt.Krok(kTytulOknaBleduBazy, tekst, "Ok");
    FSkrypt.Zapisz("Szczegóły:");
    for (const auto& linia : szczegoly)
        FSkrypt.Zapisz(linia);
}

}  // namespace ramvel
