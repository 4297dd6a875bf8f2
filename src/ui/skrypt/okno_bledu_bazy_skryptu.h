#pragma once
// The database error window in tests: each window is a step of kind
// "Informacja z bazy danych" with the translated text (answer "Ok"), and its
// details go to the transcript, one line each, after "Szczegóły:".
#include <string>
#include <vector>

#include "ui/okno_bledu_bazy.h"
#include "ui/skrypt/skrypt.h"

namespace ramvel {

struct TPokazanyBladBazy {
    std::string Tekst;
    std::vector<std::string> Szczegoly;
};

class TOknoBleduBazySkryptu : public IOknoBleduBazy {
public:
    // Installs itself for its lifetime.
    explicit TOknoBleduBazySkryptu(TSkrypt& skrypt);
    ~TOknoBleduBazySkryptu() override;
    TOknoBleduBazySkryptu(const TOknoBleduBazySkryptu&) = delete;
    TOknoBleduBazySkryptu& operator=(const TOknoBleduBazySkryptu&) = delete;

    void Pokaz(const std::string& tekst, const std::vector<std::string>& szczegoly) override;

    // Every window shown, in order.
    const std::vector<TPokazanyBladBazy>& Pokazane() const { return FPokazane; }

private:
    TSkrypt& FSkrypt;
    IOknoBleduBazy* FPoprzednie;
    std::vector<TPokazanyBladBazy> FPokazane;
};

}  // namespace ramvel
