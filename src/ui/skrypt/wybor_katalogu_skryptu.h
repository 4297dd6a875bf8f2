#pragma once
// The directory picker in tests: one step of kind "Katalog" whose text is
// "<title>: <prompt> [<start directory>]". The answer is the directory chosen
// with OK; "&Anuluj" or no answer cancels (the start directory comes back).
#include "ui/skrypt/skrypt.h"
#include "ui/wybor_katalogu.h"

namespace ramvel {

class TWyborKataloguSkryptu : public IWyborKatalogu {
public:
    explicit TWyborKataloguSkryptu(TSkrypt& skrypt);
    ~TWyborKataloguSkryptu() override;
    TWyborKataloguSkryptu(const TWyborKataloguSkryptu&) = delete;
    TWyborKataloguSkryptu& operator=(const TWyborKataloguSkryptu&) = delete;

    std::string Wybierz(const std::string& katalogPoczatkowy, bool sprawdzaj, const std::string& opis,
                        const std::string& tytul) override;

    static std::string TekstKroku(const std::string& tytul, const std::string& opis,
                                  const std::string& katalogPoczatkowy);

private:
    TSkrypt& FSkrypt;
    IWyborKatalogu* FPoprzedni;
};

}  // namespace ramvel
