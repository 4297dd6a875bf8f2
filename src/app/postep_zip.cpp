#include "app/postep_zip.h"

#include <cstring>
#include <string>

#include "files/zip/kody_zip.h"

namespace ramvel {

void TPostepZip::operator()(int32_t wartosc, const TRaportZip& raport) {
    switch (raport.Status) {
        case RaportZip::Poczatek:
            FOkno.Pokaz();
            FPokazano = true;
            break;
        case RaportZip::Pozycja: {
            FOkno.UstawPozycje(0);
            FOkno.UstawMaks(raport.Rozmiar);
            const size_t dlugosc = strnlen(raport.NazwaPliku, sizeof raport.NazwaPliku);
            FOkno.UstawTekst(std::string(raport.NazwaPliku, dlugosc));
            FLicznik = 0;
            break;
        }
        case RaportZip::Blok:
            FLicznik += wartosc;
            FOkno.UstawPozycje(FLicznik);
            break;
        case RaportZip::BladPozycji:
            if (FBladPozycji == 0)
                FBladPozycji = wartosc;
            break;
        case RaportZip::Koniec:  // the window stays for the next extraction
            FOkno.Zamknij();
            break;
        default:
            break;
    }
}

}  // namespace ramvel
