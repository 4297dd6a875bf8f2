#pragma once
// The database error window on a terminal: the sentence, then the details.
#include "ui/konsola/konsola.h"
#include "ui/okno_bledu_bazy.h"

namespace ramvel {

class TOknoBleduBazyKonsoli : public IOknoBleduBazy {
public:
    explicit TOknoBleduBazyKonsoli(TKonsola& konsola) : FKonsola(konsola) {}
    void Pokaz(const std::string& tekst, const std::vector<std::string>& szczegoly) override;

private:
    TKonsola& FKonsola;
};

}  // namespace ramvel
