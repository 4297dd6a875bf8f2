#pragma once
// Progress windows for tests: each keeps its state where the test can read it,
// and what the user would see (shown, text, closed) goes to the script's
// transcript as "Postęp pokazany: <text>", "Postęp: <text>", "Postęp zamknięty".
// Bars move too often to be written there; read them from Okna().
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ui/postep.h"

namespace ramvel {

class TSkrypt;

struct TStanPostepu {
    std::string Tekst;
    std::string Tytul;
    int64_t Pozycja = 0;
    int64_t Maks = 0;
    int64_t MaksDodatkowy = 0;
    bool Przerywalny = false;
    bool Animacja = false;
    bool Widoczne = false;
    bool Przerwano = false;
};

class TPostepySkryptu : public IPostepy {
public:
    // Installs itself as the front end's progress windows until destroyed.
    // The windows it makes must not outlive it.
    explicit TPostepySkryptu(TSkrypt& skrypt);
    ~TPostepySkryptu() override;
    TPostepySkryptu(const TPostepySkryptu&) = delete;
    TPostepySkryptu& operator=(const TPostepySkryptu&) = delete;

    // The user presses Escape as soon as a shown window's text becomes
    // `tekst`, once for each call; the script then needs the question
    // "Czy na pewno przerwać?" with its answer.
    TPostepySkryptu& PrzerwijPrzy(std::string tekst);

    std::unique_ptr<IPostep> Utworz(const std::string& tekst, int64_t maksGlowny, int64_t maksDodatkowy,
                                    bool przerywalny, bool animacja, const std::string& tytul) override;

    // Every window made so far, in order of creation; a window's state stays
    // readable after the window is gone.
    const std::vector<std::shared_ptr<const TStanPostepu>>& Okna() const { return FOkna; }

private:
    class TPostepSkryptu;
    bool ZabierzPrzerwanie(const std::string& tekst);

    TSkrypt& FSkrypt;
    IPostepy* FPoprzednie;
    std::vector<std::string> FPrzerwania;
    std::vector<std::shared_ptr<const TStanPostepu>> FOkna;
};

}  // namespace ramvel
