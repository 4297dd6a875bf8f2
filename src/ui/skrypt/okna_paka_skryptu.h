#pragma once
// The archive engine's windows in a test script: the progress window keeps its
// controls' state and writes its caption, file line and estimates to the
// transcript; the error list is a step of the script, kind "Błędy - Komunikaty",
// its text the lines joined by "\n", answered "Zamknij".
#include <functional>

#include "ui/okna_paka.h"
#include "ui/skrypt/skrypt.h"

namespace ramvel {

struct TStanOknaPaka {
    bool Otwarte = false;
    std::string Tytul;
    std::string NazwaPliku = "---";
    int PozycjaPliku = 0, MaksimumPliku = 100;
    int PozycjaCalosci = 0, MaksimumCalosci = 100;
    std::string Procent = "00 %";
    std::string CzasOdPoczatku = "00:00:00", CzasDoKonca = "00:00:00", CzasCalkowity = "00:00:00";
};

// Installs itself for its lifetime.
class TOknaPakaSkryptu : public IOknaPaka {
public:
    explicit TOknaPakaSkryptu(TSkrypt& skrypt);
    ~TOknaPakaSkryptu() override;
    TOknaPakaSkryptu(const TOknaPakaSkryptu&) = delete;
    TOknaPakaSkryptu& operator=(const TOknaPakaSkryptu&) = delete;

    // The window of the last run (it keeps its state after closing).
    const TStanOknaPaka& Stan() const { return FStan; }
    int LiczbaOtwarc() const { return FOtwarcia; }
    // Anuluj is pressed as soon as this holds for the window's state.
    void AnulujGdy(std::function<bool(const TStanOknaPaka&)> warunek) { FAnulujGdy = std::move(warunek); }
    // Called after every change of a control.
    void PoZmianie(std::function<void(const TStanOknaPaka&)> obserwator) { FPoZmianie = std::move(obserwator); }

    std::unique_ptr<IOknoPostepuPaka> OtworzPostep() override;
    void PokazListeBledow(const std::vector<std::string>& linie) override;

private:
    class TOknoPostepu;
    TSkrypt& FSkrypt;
    IOknaPaka* FPoprzednie;
    TStanOknaPaka FStan;
    int FOtwarcia = 0;
    std::function<bool(const TStanOknaPaka&)> FAnulujGdy;
    std::function<void(const TStanOknaPaka&)> FPoZmianie;
};

}  // namespace ramvel
