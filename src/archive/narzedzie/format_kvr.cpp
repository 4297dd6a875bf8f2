// KVR archives in ramvel-archiwum: unpacking through the engine (Tpaker),
// testing and listing through the byte-level reader.
#include <cstdio>
#include <ostream>

#include "archive/kvr/paczki.h"
#include "archive/kvr/przeglad_kvr.h"
#include "archive/narzedzie/formaty.h"
#include "archive/paker.h"
#include "files/sciezki.h"
#include "platform/cp1250.h"
#include "ui/konsola/okna_paka_konsoli.h"

namespace ramvel::narzedzie {
namespace {

std::string PelnaNazwaKvr(const std::string& archiwum) {
    return NazwaPliku(archiwum).find('.') == std::string::npos ? archiwum + ".KVP" : archiwum;
}

bool RozpoznajKvr(const std::string& archiwum) {
    try {
        // The first volume may be shorter than the signature.
        TCzytnikArchiwum czytnik(PaczkiNaDysku(), archiwum);
        uint8_t sygnatura[5] = {};
        return czytnik.CzytajZArchiwum(sygnatura, sizeof sygnatura) == sizeof sygnatura &&
               std::string(reinterpret_cast<const char*>(sygnatura), 5) == "K#V#R";
    } catch (const std::exception&) {
        return false;
    }
}

int RozpakujKvr(const TRozpakowanie& polecenie) {
    TOknaPakaKonsoli okna(Konsola());
    okna.UstawPrzerwanie(Przerwano);
    IOknaPaka* poprzednie = UstawOknaPaka(&okna);
    struct TPrzywroc {
        IOknaPaka* Okna;
        ~TPrzywroc() { UstawOknaPaka(Okna); }
    } przywroc{poprzednie};
    Tpaker paker;
    return paker.Dekompresuj(polecenie.Opcje, polecenie.Archiwum, polecenie.Katalog, polecenie.Maski) ? kSukces
                                                                                                      : kPorazka;
}

std::string DataDos(const TWpisKvr& wpis) {
    if (!wpis.MaDate)
        return "----------------";
    const uint32_t data = wpis.DataDos >> 16, czas = wpis.DataDos & 0xFFFF;
    char tekst[40];
    std::snprintf(tekst, sizeof tekst, "%04u-%02u-%02u %02u:%02u:%02u", 1980 + (data >> 9), (data >> 5) & 0x0F,
                  data & 0x1F, czas >> 11, (czas >> 5) & 0x3F, (czas & 0x1F) * 2);
    return tekst;
}

// Where the reader stood when it found the damage.
std::string Miejsce(const TCzytnikArchiwum& czytnik) {
    return "Miejsce: paczka \"" + czytnik.NazwaArchiwum() + "\", bajt " + std::to_string(czytnik.PozycjaWPaczce()) +
           " tej paczki (bajt " + std::to_string(czytnik.Pozycja()) + " archiwum).";
}

int TestujKvr(const std::string& archiwum, std::ostream& wyjscie) {
    TCzytnikArchiwum czytnik(PaczkiNaDysku(), archiwum);
    int64_t pliki = 0, bajty = 0;
    try {
        PrzejdzArchiwum(czytnik, [&](const TWpisKvr&, int64_t razem) {
            ++pliki;
            bajty += razem;
        });
    } catch (const EBlad& blad) {
        wyjscie << blad.what() << "\n" << Miejsce(czytnik) << "\n";
        return kPorazka;
    }
    wyjscie << "Archiwum \"" << archiwum << "\" jest całe: plików " << pliki << ", bajtów " << bajty << ", paczek "
            << czytnik.NumerPaczki() << ".\n";
    return kSukces;
}

int ListaKvr(const std::string& archiwum, std::ostream& wyjscie) {
    TCzytnikArchiwum czytnik(PaczkiNaDysku(), archiwum);
    try {
        PrzejdzArchiwum(czytnik, [&](const TWpisKvr& wpis, int64_t) {
            char rozmiar[16];
            std::snprintf(rozmiar, sizeof rozmiar, "%11d", wpis.RozmiarPliku);
            wyjscie << rozmiar << "  " << DataDos(wpis) << "  " << Cp1250NaUtf8(wpis.Nazwa) << "\n";
        });
    } catch (const EBlad& blad) {
        wyjscie.flush();
        Konsola().Wyjscie() << blad.what() << "\n" << Miejsce(czytnik) << "\n";
        return kPorazka;
    }
    return kSukces;
}

}  // namespace

TRodzajArchiwum RodzajKvr() {
    return {"KVR", PelnaNazwaKvr, RozpoznajKvr, RozpakujKvr, TestujKvr, ListaKvr};
}

}  // namespace ramvel::narzedzie
