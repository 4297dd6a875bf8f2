#pragma once
// The archive engine's windows on a terminal: the progress as one line that
// rewrites itself (only when the output is a terminal), the error list as
// plain lines.
#include <functional>

#include "ui/konsola/konsola.h"
#include "ui/okna_paka.h"

namespace ramvel {

class TOknaPakaKonsoli : public IOknaPaka {
public:
    TOknaPakaKonsoli(TKonsola& konsola, bool liniaPostepu);
    // The process terminal: the progress line when standard error is a terminal.
    explicit TOknaPakaKonsoli(TKonsola& konsola);

    std::unique_ptr<IOknoPostepuPaka> OtworzPostep() override;
    void PokazListeBledow(const std::vector<std::string>& linie) override;

    // What stands for Anuluj on a terminal (an interrupt the caller caught).
    void UstawPrzerwanie(std::function<bool()> przerwano) { FPrzerwano = std::move(przerwano); }

private:
    class TOknoPostepu;
    TKonsola& FKonsola;
    bool FLiniaPostepu;
    std::function<bool()> FPrzerwano;
};

}  // namespace ramvel
