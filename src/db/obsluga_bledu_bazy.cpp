#include "db/obsluga_bledu_bazy.h"

#include <cstdlib>

#include "db/blad_firebird.h"
#include "db/kv_database.h"
#include "db/tlumacz_blad_bazy.h"
#include "platform/bledy.h"
#include "ui/komunikaty.h"
#include "ui/okno_bledu_bazy.h"

namespace ramvel {
namespace {

bool& Konczy() {
    static bool konczy = false;
    return konczy;
}

std::function<void(int)>& Zakonczenie() {
    static std::function<void(int)> zakoncz = [](int kod) { std::exit(kod); };
    return zakoncz;
}

// Lines of a text: CR LF, CR or LF end a line; a final line end adds no line.
std::vector<std::string> Linie(const std::string& tekst) {
    std::vector<std::string> linie;
    std::string linia;
    for (size_t i = 0; i < tekst.size(); ++i) {
        const char c = tekst[i];
        if (c == '\r' || c == '\n') {
            linie.push_back(linia);
            linia.clear();
            if (c == '\r' && i + 1 < tekst.size() && tekst[i + 1] == '\n')
                ++i;
        } else {
            linia += c;
        }
    }
    if (!linia.empty())
        linie.push_back(linia);
    return linie;
}

}  // namespace

std::function<void(int)> UstawZakonczenieProgramu(std::function<void(int)> zakoncz) {
    auto poprzednie = std::move(Zakonczenie());
    Zakonczenie() = std::move(zakoncz);
    return poprzednie;
}

bool ProgramKonczySie() { return Konczy(); }

void ResetujKoniecProgramu() { Konczy() = false; }

std::vector<std::string> SzczegolyBleduBazy(const EBladFirebird& blad, const std::string& nazwaBazy,
                                            const std::string& nazwaObiektu, const std::string& tekstSQL) {
    std::vector<std::string> szczegoly = {
        "Kod wyjątku : " + std::to_string(blad.KodBledu),
        "Kod SQL : " + std::to_string(blad.KodSQL),
        "Baza danych :" + nazwaBazy,
        "Obiekt :" + nazwaObiektu,
        "",
    };
    const auto tresc = Linie(blad.what());
    szczegoly.push_back("Treść : " + (tresc.empty() ? std::string() : tresc.front()));
    for (size_t i = 1; i < tresc.size(); ++i)
        szczegoly.push_back(tresc[i]);
    if (!tekstSQL.empty()) {
        szczegoly.insert(szczegoly.end(), {"", "", "", "Skrypt:"});
        for (auto& linia : Linie(tekstSQL))
            szczegoly.push_back(std::move(linia));
    }
    return szczegoly;
}

void PokazBladBazy(const EBladFirebird& blad, const std::string& nazwaBazy, const std::string& nazwaObiektu,
                   const std::string& tekstSQL, TkvDatabase* baza) {
    const std::string tekst = TlumaczBladBazy(blad, baza);
    OknoBleduBazy().Pokaz(tekst, SzczegolyBleduBazy(blad, nazwaBazy, nazwaObiektu, tekstSQL));
}

void ObsluzBladBazy(TkvDatabase* baza, const std::string& nazwaObiektu, const std::exception* blad,
                    const std::string& tekstSQL) {
    if (!blad)
        return;
    if (Konczy())
        throw EPrzerwanie();
    if (const auto* bladBazy = dynamic_cast<const EBladFirebird*>(blad)) {
        PokazBladBazy(*bladBazy, baza ? baza->Name : std::string(), nazwaObiektu, tekstSQL, baza);
        if (bladBazy->KodBledu == kKodBleduKonczacegoProgram) {
            // The program cannot go on without its server; the window said so.
            Konczy() = true;
            Zakonczenie()(1);
        }
    } else if (NieJestPrzerwaniem(*blad)) {
        KomunikatBlad(std::string("błąd: \r") + blad->what());
    }
    throw EPrzerwanie();
}

}  // namespace ramvel
