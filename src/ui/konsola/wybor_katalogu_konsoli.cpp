#include "ui/konsola/wybor_katalogu_konsoli.h"

#include <filesystem>
#include <ostream>

namespace ramvel {
namespace {

std::string BezBialychNaKoncach(const std::string& s) {
    const size_t a = s.find_first_not_of(" \t\r");
    if (a == std::string::npos)
        return {};
    return s.substr(a, s.find_last_not_of(" \t\r") - a + 1);
}

}  // namespace

std::string TWyborKataloguKonsoli::Wybierz(const std::string& katalogPoczatkowy, bool, const std::string& opis,
                                           const std::string& tytul) {
    std::ostream& out = FKonsola.Wyjscie();
    out << "\n== " << tytul << " ==\n" << opis << "\n";
    if (!katalogPoczatkowy.empty())
        out << "Obecnie: " << katalogPoczatkowy << "\n";
    for (;;) {
        out << "Katalog (pusta linia: bez zmian): " << std::flush;
        std::string linia;
        if (!FKonsola.CzytajLinie(linia)) {
            out << "\n";
            return katalogPoczatkowy;
        }
        const std::string katalog = BezBialychNaKoncach(linia);
        if (katalog.empty())
            return katalogPoczatkowy;
        std::error_code blad;
        if (std::filesystem::is_directory(katalog, blad))
            return katalog;
        out << "Nie ma takiego katalogu: " << katalog << "\n";
    }
}

}  // namespace ramvel
