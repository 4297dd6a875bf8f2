#pragma once
// Records every report an extraction makes, for tests to compare.
#include <string>
#include <vector>

#include "files/zip/raport_zip.h"

namespace ramvel::testy {

struct TZapisanyRaport {
    int32_t Wartosc;
    TRaportZip Raport;  // a copy of the record as the callback saw it
    std::string Nazwa() const { return Raport.NazwaPliku; }
};

class TZapisRaportow {
public:
    TRaportZipProc Proc() {
        return [this](int32_t wartosc, TRaportZip& raport) { FRaporty.push_back({wartosc, raport}); };
    }
    const std::vector<TZapisanyRaport>& Raporty() const { return FRaporty; }
    // "status/wartosc" for each report, blocks included.
    std::vector<std::string> Przebieg() const {
        std::vector<std::string> wynik;
        for (const auto& r : FRaporty)
            wynik.push_back(std::to_string(r.Raport.Status) + "/" + std::to_string(r.Wartosc));
        return wynik;
    }
    // For each entry (in order): its name and the value that ended it: -1002
    // for success, the error code otherwise.
    std::vector<std::pair<std::string, int32_t>> Wyniki() const {
        std::vector<std::pair<std::string, int32_t>> wynik;
        for (const auto& r : FRaporty) {
            if (r.Raport.Status == -1000)
                wynik.push_back({r.Nazwa(), 0});
            else if (!wynik.empty() && (r.Raport.Status == -1002 || r.Raport.Status == -1003))
                wynik.back().second = r.Raport.Status == -1002 ? -1002 : r.Wartosc;
            else if (!wynik.empty() && r.Wartosc == -100)
                wynik.back().second = r.Raport.Status;
        }
        return wynik;
    }

private:
    std::vector<TZapisanyRaport> FRaporty;
};

}  // namespace ramvel::testy
