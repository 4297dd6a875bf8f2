#include "ui/wybor_katalogu.h"

#include "ui/konsola/konsola.h"
#include "ui/konsola/wybor_katalogu_konsoli.h"

namespace ramvel {
namespace {

IWyborKatalogu*& Zainstalowany() {
    static IWyborKatalogu* wybor = nullptr;
    return wybor;
}

}  // namespace

IWyborKatalogu& WyborKatalogu() {
    if (Zainstalowany())
        return *Zainstalowany();
    // Never destroyed, like the terminal it talks to.
    static TWyborKataloguKonsoli* konsoli = new TWyborKataloguKonsoli(Konsola());
    return *konsoli;
}

IWyborKatalogu* UstawWyborKatalogu(IWyborKatalogu* wybor) {
    IWyborKatalogu* poprzedni = Zainstalowany();
    Zainstalowany() = wybor;
    return poprzedni;
}

std::string WybierzKatalog(const std::string& katalogPoczatkowy, bool sprawdzaj, const std::string& opis,
                           const std::string& tytul) {
    return WyborKatalogu().Wybierz(katalogPoczatkowy, sprawdzaj, opis, tytul);
}

}  // namespace ramvel
