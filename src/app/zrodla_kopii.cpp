#include "app/zrodla_kopii.h"

#include "files/napedy.h"
#include "files/sciezki.h"
#include "ui/komunikaty.h"

namespace ramvel {

std::vector<std::string> KatalogiKopiiAutomatycznych(const std::string& katalogProgramu) {
    std::vector<std::string> katalogi;
    const std::string kopia = PolaczSciezke(katalogProgramu, "Kopia");
    for (int n = 1; n <= 20; ++n)
        katalogi.push_back(PolaczSciezke(kopia, (n <= 9 ? "Arch0" : "Arch") + std::to_string(n)));
    return katalogi;
}

TKatalogiZrodla KatalogiZrodla(int pozycja, const std::string& katalogProgramu, const std::string& sciezkaInnaLok) {
    TKatalogiZrodla wynik;
    std::string katalog;
    switch (static_cast<TZrodloKopii>(pozycja)) {
        case TZrodloKopii::Dyskietka:
            while (!SprawdzNaped('A'))
                if (!KomunikatPytanie("Włóż dyskietkę. Czy kontynuować?")) {
                    wynik.Stan = TStanZrodla::Rezygnacja;
                    return wynik;
                }
            katalog = SciezkaNaNapedzie("A:\\");
            break;
        case TZrodloKopii::Automatyczna:
            wynik.Katalogi = KatalogiKopiiAutomatycznych(katalogProgramu);
            return wynik;
        case TZrodloKopii::InnaLokalizacja:
            katalog = SciezkaNaNapedzie(sciezkaInnaLok);
            break;
        default:
            return wynik;  // no source item chosen: nothing to scan
    }
    if (katalog.empty()) {
        KomunikatInfo("Podaj katalog źródłowy.");
        wynik.Stan = TStanZrodla::BrakKatalogu;
        return wynik;
    }
    wynik.Katalogi.push_back(katalog);
    return wynik;
}

}  // namespace ramvel
