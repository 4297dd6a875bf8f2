#include "ui/komunikaty.h"

#include "ui/konsola/konsola.h"

namespace ramvel {
namespace {

IKomunikaty*& Zainstalowane() {
    static IKomunikaty* komunikaty = nullptr;
    return komunikaty;
}

}  // namespace

const char* NapisPrzycisku(TKomPrzycisk przycisk) {
    switch (przycisk) {
        case TKomPrzycisk::Tak: return "&Tak";
        case TKomPrzycisk::Nie: return "&Nie";
        case TKomPrzycisk::Anuluj: return "&Anuluj";
        case TKomPrzycisk::OK: return "&OK";
    }
    return "";
}

const char* TytulKomunikatu(TKomRodzaj rodzaj) {
    switch (rodzaj) {
        case TKomRodzaj::Pytanie: return "Pytanie";
        case TKomRodzaj::Blad: return "Błąd";
        case TKomRodzaj::Informacja: return "Informacja";
    }
    return "";
}

IKomunikaty& Komunikaty() {
    if (Zainstalowane())
        return *Zainstalowane();
    return Konsola().Komunikaty();
}

IKomunikaty* UstawKomunikaty(IKomunikaty* komunikaty) {
    IKomunikaty* poprzednie = Zainstalowane();
    Zainstalowane() = komunikaty;
    return poprzednie;
}

TKomPrzycisk Komunikat(const std::string& tresc, const std::vector<TKomPrzycisk>& przyciski,
                       TKomPrzycisk domyslny, TKomRodzaj rodzaj) {
    return Komunikaty().Pokaz(tresc, przyciski, domyslny, rodzaj);
}

void KomunikatInfo(const std::string& tresc) {
    Komunikat(tresc, {TKomPrzycisk::OK}, TKomPrzycisk::OK, TKomRodzaj::Informacja);
}

void KomunikatBlad(const std::string& tresc) {
    Komunikat(tresc, {TKomPrzycisk::OK}, TKomPrzycisk::OK, TKomRodzaj::Blad);
}

bool KomunikatPytanie(const std::string& tresc) {
    return Komunikat(tresc, {TKomPrzycisk::Tak, TKomPrzycisk::Nie}, TKomPrzycisk::Tak, TKomRodzaj::Pytanie) ==
           TKomPrzycisk::Tak;
}

bool KomunikatPytanieNie(const std::string& tresc) {
    return Komunikat(tresc, {TKomPrzycisk::Tak, TKomPrzycisk::Nie}, TKomPrzycisk::Nie, TKomRodzaj::Pytanie) ==
           TKomPrzycisk::Tak;
}

bool KomunikatOkAnuluj(const std::string& tresc) {
    return Komunikat(tresc, {TKomPrzycisk::OK, TKomPrzycisk::Anuluj}, TKomPrzycisk::OK, TKomRodzaj::Pytanie) ==
           TKomPrzycisk::OK;
}

}  // namespace ramvel
