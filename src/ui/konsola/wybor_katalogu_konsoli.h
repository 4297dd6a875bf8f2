#pragma once
// The directory picker on the terminal: the path is typed; an empty line or
// the end of input keeps the start directory, as Anuluj does.
#include "ui/konsola/konsola.h"
#include "ui/wybor_katalogu.h"

namespace ramvel {

class TWyborKataloguKonsoli : public IWyborKatalogu {
public:
    explicit TWyborKataloguKonsoli(TKonsola& konsola) : FKonsola(konsola) {}
    // Only an existing directory is taken, as the window offers nothing else;
    // any other line is asked again.
    std::string Wybierz(const std::string& katalogPoczatkowy, bool sprawdzaj, const std::string& opis,
                        const std::string& tytul) override;

private:
    TKonsola& FKonsola;
};

}  // namespace ramvel
