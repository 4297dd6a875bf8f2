#include "app/szukaj_kopii.h"

#include <algorithm>
#include <filesystem>
#include <vector>

#include "app/opis_kopii.h"
#include "files/sciezki.h"
#include "files/teksty.h"
#include "platform/cp1250.h"

namespace ramvel {
namespace {

enum class TRodzajWpisu { Plik, Katalog };

// Names of the visible entries of one kind, in the order Windows' file
// systems list them (by the name in capitals), so that "the first found" does
// not depend on the order the directory happens to keep.
std::vector<std::string> Wpisy(const std::string& katalog, TRodzajWpisu rodzaj) {
    std::vector<std::string> nazwy;
    std::error_code blad;
    for (std::filesystem::directory_iterator it(katalog, blad), koniec; !blad && it != koniec; it.increment(blad)) {
        std::string nazwa = it->path().filename().string();
        if (nazwa.empty() || nazwa.front() == '.')
            continue;
        std::error_code bladWpisu;
        const bool pasuje = rodzaj == TRodzajWpisu::Plik ? it->is_regular_file(bladWpisu)
                                                        : it->is_directory(bladWpisu);
        if (pasuje && !bladWpisu)
            nazwy.push_back(std::move(nazwa));
    }
    std::stable_sort(nazwy.begin(), nazwy.end(), [](const std::string& a, const std::string& b) {
        const std::string wa = WielkieLitery(a), wb = WielkieLitery(b);
        return wa != wb ? wa < wb : a < b;
    });
    return nazwy;
}

}  // namespace

bool JestArchiwum(const std::string& nazwa) {
    const std::string plik = NazwaPliku(nazwa);
    const size_t kropka = plik.rfind('.');
    if (kropka == std::string::npos)
        return false;
    return PozycjaBezWielkosci(plik.substr(kropka), ".zip.kvp") > 0;
}

bool PasujeDoWzorca(const std::string& nazwa, const std::string& wzor) {
    size_t wNazwie = 0, weWzorze = 0;
    while (wNazwie < nazwa.size() && weWzorze < wzor.size()) {
        const char32_t znak = NastepnyZnakUtf8(nazwa, wNazwie);
        const char32_t wzorzec = NastepnyZnakUtf8(wzor, weWzorze);
        if (wzorzec != U'?' && WielkaLitera(znak) != WielkaLitera(wzorzec))
            return false;
    }
    return wNazwie == nazwa.size() && weWzorze == wzor.size();
}

void SzukajKopii(const std::string& katalog, TListaFirm& lista) {
    SzukajWKatalogu(katalog, lista);
    for (const std::string& nazwa : Wpisy(katalog, TRodzajWpisu::Katalog))
        if (PasujeDoWzorca(nazwa, "????_??"))
            SzukajWKatalogu(PolaczSciezke(katalog, nazwa), lista);
}

void SzukajWKatalogu(const std::string& katalog, TListaFirm& lista) {
    for (const std::string& nazwa : Wpisy(katalog, TRodzajWpisu::Plik)) {
        if (!JestArchiwum(nazwa))
            continue;
        auto rekord = std::make_unique<TRekKat>();
        if (!CzytajOpisKopii(PolaczSciezke(katalog, nazwa), *rekord))
            continue;
        if (!rekord->ProgramName.empty() && !TekstyRowne(rekord->ProgramName, "Morvanta PRO"))
            continue;
        lista.DodajKopie(std::move(rekord));
    }
}

}  // namespace ramvel
