// ramvel-archiwum: unpacks, tests and lists backup archives without a window.
#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "archive/narzedzie/formaty.h"
#include "files/sciezki.h"
#include "platform/bledy.h"
#include "platform/srodowisko.h"
#include "ui/komunikaty.h"

namespace ramvel::narzedzie {
namespace {

volatile std::sig_atomic_t gPrzerwano = 0;

const char* const kUzycie =
    "Użycie:\n"
    "  ramvel-archiwum rozpakuj [-o OPCJE] ARCHIWUM KATALOG [MASKI]\n"
    "      rozpakowuje archiwum do katalogu; OPCJE jak w programie (domyślnie \"+o+y\"),\n"
    "      MASKI rozdzielone \";\" (domyślnie wszystkie pliki)\n"
    "  ramvel-archiwum test ARCHIWUM\n"
    "      czyta i dekompresuje całe archiwum, niczego nie zapisując\n"
    "  ramvel-archiwum lista ARCHIWUM\n"
    "      wypisuje rozmiar, datę i nazwę każdego pliku archiwum\n"
    "Kod wyjścia: 0 - sukces, 1 - błąd, 2 - złe użycie.\n";

int ZleUzycie(const std::string& powod) {
    std::cerr << "ramvel-archiwum: " << powod << "\n" << kUzycie;
    return kZleUzycie;
}

// The kind that recognises the archive; nullptr after telling the user why none does.
const TRodzajArchiwum* Rodzaj(std::string& archiwum) {
    for (const auto& rodzaj : RodzajeArchiwow()) {
        const std::string pelna = rodzaj.PelnaNazwa(archiwum);
        if (PlikIstnieje(pelna) && rodzaj.Rozpoznaj(pelna)) {
            archiwum = pelna;
            return &rodzaj;
        }
    }
    bool istnieje = PlikIstnieje(archiwum);
    for (const auto& rodzaj : RodzajeArchiwow())
        istnieje = istnieje || PlikIstnieje(rodzaj.PelnaNazwa(archiwum));
    if (!istnieje) {
        KomunikatBlad("Plik archiwum : \"" + archiwum + "\" nie istnije.");
        return nullptr;
    }
    std::string nazwy;
    for (const auto& rodzaj : RodzajeArchiwow())
        nazwy += (nazwy.empty() ? "" : ", ") + std::string(rodzaj.Nazwa);
    KomunikatBlad("Plik : \"" + archiwum + "\" nie jest archiwum żadnego ze znanych rodzajów (" + nazwy + ").");
    return nullptr;
}

int Uruchom(const std::vector<std::string>& argumenty) {
    if (argumenty.empty())
        return ZleUzycie("brak polecenia");
    const std::string& polecenie = argumenty[0];
    if (polecenie == "--help" || polecenie == "-h") {
        std::cout << kUzycie;
        return kSukces;
    }
    std::vector<std::string> pozycyjne;
    std::string opcje = "+o+y";
    for (size_t i = 1; i < argumenty.size(); ++i) {
        if (argumenty[i] == "-o" && polecenie == "rozpakuj" && pozycyjne.empty()) {
            if (++i == argumenty.size())
                return ZleUzycie("po -o brak opcji");
            opcje = argumenty[i];
        } else {
            pozycyjne.push_back(argumenty[i]);
        }
    }
    if (polecenie == "rozpakuj") {
        if (pozycyjne.size() < 2 || pozycyjne.size() > 3)
            return ZleUzycie("rozpakuj wymaga archiwum i katalogu (oraz ewentualnie masek)");
    } else if (polecenie == "test" || polecenie == "lista") {
        if (pozycyjne.size() != 1)
            return ZleUzycie(polecenie + " wymaga jednego archiwum");
    } else {
        return ZleUzycie("nieznane polecenie \"" + polecenie + "\"");
    }

    std::string archiwum = pozycyjne[0];
    const TRodzajArchiwum* rodzaj = Rodzaj(archiwum);
    if (!rodzaj)
        return kPorazka;
    if (polecenie == "rozpakuj")
        return rodzaj->Rozpakuj({archiwum, pozycyjne[1], opcje, pozycyjne.size() > 2 ? pozycyjne[2] : ""});
    if (polecenie == "test")
        return rodzaj->Testuj(archiwum, std::cout);
    return rodzaj->Lista(archiwum, std::cout);
}

}  // namespace

bool Przerwano() { return gPrzerwano != 0; }

}  // namespace ramvel::narzedzie

int main(int argc, char** argv) {
    using namespace ramvel;
    std::signal(SIGINT, [](int) { narzedzie::gPrzerwano = 1; });
    std::vector<std::string> argumenty(argv + 1, argv + argc);
    try {
        return narzedzie::Uruchom(argumenty);
    } catch (const std::exception& wyjatek) {
        if (NieJestPrzerwaniem(wyjatek))
            KomunikatBlad(std::string("Wystąpił błąd o treści: ") + wyjatek.what());
        return narzedzie::kPorazka;
    }
}
