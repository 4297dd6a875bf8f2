#include "files/zip/opis_bledu_zip.h"

#include "files/zip/kody_zip.h"

namespace ramvel {

void OpisBleduZip(int32_t kod, std::string& tekst) {
    switch (kod) {
        case KodZip::BladCrc: tekst = "Błąd sumy CRC"; break;
        case KodZip::BladZapisu: tekst = "Błąd zapisu"; break;
        case KodZip::BladCzytania: tekst = "Błąd czytania"; break;
        case KodZip::BladFormatu: tekst = "Błąd formatu ZIP"; break;
        case KodZip::Rezygnacja: tekst = "Rezygnacja użytkownika"; break;
        case KodZip::NieobslugiwanaMetoda: tekst = "Nie obsługiwana wersja ZIP"; break;
        case KodZip::Zakodowany: tekst = "Zbiór został zakodowany"; break;
        case KodZip::Zablokowany: tekst = "Zbiór jest zablokowany"; break;
        case KodZip::BladKatalogu: tekst = "Błąd formatu ZIP"; break;
        case KodZip::KoniecPozycji: tekst = "Błąd formatu ZIP"; break;
        case KodZip::BladDostepu: tekst = "Błąd dostępu do zbioru"; break;
        case KodZip::NieJestZip: tekst = "Zbiór nie jest poprawnym archiwum ZIP"; break;
        case KodZip::BladKrytyczny: tekst = "Błąd krytyczny"; break;
        case KodZip::ZlyParametr: tekst = "Zły parametr"; break;
        default: break;
    }
}

std::string OpisBleduZip(int32_t kod) {
    std::string tekst;
    OpisBleduZip(kod, tekst);
    return tekst;
}

}  // namespace ramvel
