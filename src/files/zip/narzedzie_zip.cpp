#include "files/zip/narzedzie_zip.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <ostream>

#include "files/zip/katalog_centralny.h"
#include "files/zip/kody_zip.h"
#include "files/zip/opis_bledu_zip.h"
#include "files/zip/rozpakuj_archiwum.h"
#include "files/zip/unzip_int.h"

namespace ramvel {
namespace {

// The entry's own name: the report holds it behind the target directory.
std::string NazwaWpisu(const TRaportZip& raport, const std::string& katalog) {
    std::string nazwa = raport.NazwaPliku;
    const std::string przedrostek = katalog.back() == '/' ? katalog : katalog + '/';
    if (nazwa.compare(0, przedrostek.size(), przedrostek) == 0)
        nazwa.erase(0, przedrostek.size());
    return nazwa;
}

// Prints the entries as they start and fail; counts the failures.
class TWypisPostepu {
public:
    TWypisPostepu(std::ostream& wyjscie, const std::string& katalog, bool postep, bool test)
        : FWyjscie(wyjscie), FKatalog(katalog), FPostep(postep), FTest(test) {}

    void operator()(int32_t wartosc, TRaportZip& raport) {
        switch (raport.Status) {
            case RaportZip::Pozycja:
                if (FPostep)
                    FWyjscie << "  " << NazwaWpisu(raport, FKatalog) << "\n";
                break;
            case RaportZip::Sukces:
                if (FTest)
                    FWyjscie << NazwaWpisu(raport, FKatalog) << ": OK\n";
                break;
            case RaportZip::BladPozycji:
                ++FBledow;
                FWyjscie << NazwaWpisu(raport, FKatalog) << ": " << OpisBleduZip(wartosc) << "\n";
                break;
            default:
                if (wartosc == KodZip::BladKrytyczny)
                    FWyjscie << NazwaWpisu(raport, FKatalog) << ": " << OpisBleduZip(raport.Status) << "\n";
                break;
        }
    }

    int Bledow() const { return FBledow; }

private:
    std::ostream& FWyjscie;
    std::string FKatalog;
    bool FPostep, FTest;
    int FBledow = 0;
};

const char* NazwaMetody(uint16_t metoda) {
    switch (metoda) {
        case 0: return "Stored";
        case 1: return "Shrunk";
        case 6: return "Imploded";
        case 8: return "Deflated";
        default: return nullptr;
    }
}

}  // namespace

int ZipRozpakuj(const std::string& archiwum, const std::string& katalog, std::ostream& wyjscie, bool postep) {
    auto wypis = std::make_shared<TWypisPostepu>(wyjscie, katalog.empty() ? std::string("/") : katalog, postep, false);
    TUnzipInt unzip;
    unzip.UstawArchiwum(archiwum);
    unzip.UstawKatalogDocelowy(katalog);
    unzip.UstawRaport([wypis](int32_t wartosc, TRaportZip& raport) { (*wypis)(wartosc, raport); });
    const int32_t wynik = unzip.Rozpakuj();
    if (wynik < 0) {
        wyjscie << "Wypakowanie plików zakończone niepowodzeniem.\n" << OpisBleduZip(wynik) << "\n";
        return 1;
    }
    // Entries that failed leave the restore without their files: not a success.
    if (wypis->Bledow() > 0) {
        wyjscie << "Wypakowano plików: " << wynik << ", nie wypakowano: " << wypis->Bledow() << ".\n";
        return 1;
    }
    wyjscie << "Wypakowano plików: " << wynik << ".\n";
    return 0;
}

int ZipTestuj(const std::string& archiwum, std::ostream& wyjscie) {
    const auto zrodlo = TZrodloPliku::Otworz(archiwum);
    const std::string katalog = ".";
    TWypisPostepu wypis(wyjscie, katalog, false, true);
    const int32_t wynik =
        zrodlo ? RozpakujArchiwum(*zrodlo, archiwum, katalog, "*.*",
                                  [&wypis](int32_t wartosc, TRaportZip& raport) { wypis(wartosc, raport); }, true)
               : KodZip::NieJestZip;
    if (wynik < 0) {
        wyjscie << "Test archiwum zakończony niepowodzeniem.\n" << OpisBleduZip(wynik) << "\n";
        return 1;
    }
    if (wypis.Bledow() > 0) {
        wyjscie << "Pozycji z błędami: " << wypis.Bledow() << ".\n";
        return 1;
    }
    wyjscie << "Nie wykryto błędów w " << wynik << " pozycjach.\n";
    return 0;
}

int ZipLista(const std::string& archiwum, std::ostream& wyjscie) {
    const auto zrodlo = TZrodloPliku::Otworz(archiwum);
    int32_t kod = zrodlo ? static_cast<int32_t>(std::min<int64_t>(0, ZnajdzPoczatekArchiwum(*zrodlo)))
                         : KodZip::NieJestZip;
    TKatalogCentralny katalog;
    if (kod == 0 && katalog.Otworz(*zrodlo) != 0)
        kod = KodZip::BladDostepu;
    if (kod != 0) {
        wyjscie << OpisBleduZip(kod) << "\n";
        return 1;
    }
    wyjscie << "Metoda      Spakowany      Rozmiar  Data              Nazwa\n";
    TPozycjaKatalogu wpis;
    uint64_t razemRozmiar = 0, razemSpakowany = 0;
    size_t pozycji = 0;
    char linia[96];
    while (katalog.Nastepna(wpis) == 0) {
        const uint32_t data = wpis.CzasDos >> 16, czas = wpis.CzasDos & 0xFFFF;
        const char* metoda = NazwaMetody(wpis.Metoda);
        std::string nazwaMetody = metoda ? metoda : "Metoda " + std::to_string(wpis.Metoda);
        std::snprintf(linia, sizeof linia, "%-10s %10u %12u  %04u-%02u-%02u %02u:%02u  ", nazwaMetody.c_str(),
                      wpis.RozmiarSpakowany, wpis.Rozmiar, 1980 + (data >> 9), (data >> 5) & 0x0F, data & 0x1F,
                      czas >> 11, (czas >> 5) & 0x3F);
        wyjscie << linia << wpis.Nazwa << "\n";
        razemRozmiar += wpis.Rozmiar;
        razemSpakowany += wpis.RozmiarSpakowany;
        ++pozycji;
    }
    wyjscie << "Pozycji: " << pozycji << ", rozmiar " << razemRozmiar << " B, spakowany " << razemSpakowany
            << " B.\n";
    return 0;
}

}  // namespace ramvel
