#include "ui/skrypt/wybor_katalogu_skryptu.h"

namespace ramvel {

TWyborKataloguSkryptu::TWyborKataloguSkryptu(TSkrypt& skrypt)
    : FSkrypt(skrypt), FPoprzedni(UstawWyborKatalogu(this)) {}

TWyborKataloguSkryptu::~TWyborKataloguSkryptu() { UstawWyborKatalogu(FPoprzedni); }

std::string TWyborKataloguSkryptu::TekstKroku(const std::string& tytul, const std::string& opis,
                                              const std::string& katalogPoczatkowy) {
    return tytul + ": " + opis + " [" + katalogPoczatkowy + "]";
}

std::string TWyborKataloguSkryptu::Wybierz(const std::string& katalogPoczatkowy, bool, const std::string& opis,
                                           const std::string& tytul) {
    const std::string odpowiedz =
        FSkrypt.Krok("Katalog", TekstKroku(tytul, opis, katalogPoczatkowy), "&Anuluj");
    return odpowiedz == "&Anuluj" ? katalogPoczatkowy : odpowiedz;
}

}  // namespace ramvel
