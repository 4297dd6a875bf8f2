#include "db/wartosci_sql.h"

#include <charconv>
#include <cstdio>

namespace ramvel {

TPoleSQL TPoleSQL::Null(std::string nazwa) {
    TPoleSQL pole;
    pole.FNazwa = std::move(nazwa);
    return pole;
}

TPoleSQL TPoleSQL::Liczba(std::string nazwa, int64_t wartosc, int skala) {
    TPoleSQL pole = Null(std::move(nazwa));
    pole.FRodzaj = TRodzaj::Liczba;
    pole.FLiczba = wartosc;
    pole.FSkala = skala;
    return pole;
}

TPoleSQL TPoleSQL::Zmiennoprzecinkowa(std::string nazwa, double wartosc) {
    TPoleSQL pole = Null(std::move(nazwa));
    pole.FRodzaj = TRodzaj::Zmiennoprzecinkowa;
    pole.FZmienna = wartosc;
    return pole;
}

TPoleSQL TPoleSQL::Tekst(std::string nazwa, std::string wartosc) {
    TPoleSQL pole = Null(std::move(nazwa));
    pole.FRodzaj = TRodzaj::Tekst;
    pole.FTekst = std::move(wartosc);
    return pole;
}

int64_t TPoleSQL::JakoLiczba() const {
    switch (FRodzaj) {
        case TRodzaj::Null: return 0;
        case TRodzaj::Liczba: {
            int64_t wynik = FLiczba;
            for (int i = FSkala; i < 0; ++i)
                wynik /= 10;
            for (int i = 0; i < FSkala; ++i)
                wynik *= 10;
            return wynik;
        }
        case TRodzaj::Zmiennoprzecinkowa: return static_cast<int64_t>(FZmienna);
        case TRodzaj::Tekst: {
            size_t a = 0, b = FTekst.size();
            while (a < b && FTekst[a] == ' ')
                ++a;
            while (b > a && FTekst[b - 1] == ' ')
                --b;
            const char* poczatek = FTekst.data() + a;
            if (a < b && *poczatek == '+')
                ++poczatek;
            int64_t wynik = 0;
            const auto [koniec, blad] = std::from_chars(poczatek, FTekst.data() + b, wynik);
            return (blad == std::errc() && koniec == FTekst.data() + b) ? wynik : 0;
        }
    }
    return 0;
}

std::string TPoleSQL::JakoTekst() const {
    switch (FRodzaj) {
        case TRodzaj::Null: return {};
        case TRodzaj::Liczba: {
            if (FSkala >= 0) {
                std::string wynik = std::to_string(FLiczba);
                if (FLiczba != 0)
                    wynik.append(static_cast<size_t>(FSkala), '0');
                return wynik;
            }
            const bool ujemna = FLiczba < 0;
            // Through the unsigned value so that the smallest int64 keeps its digits.
            const uint64_t modul = ujemna ? 0 - static_cast<uint64_t>(FLiczba) : static_cast<uint64_t>(FLiczba);
            std::string cyfry = std::to_string(modul);
            const auto miejsca = static_cast<size_t>(-FSkala);
            if (cyfry.size() <= miejsca)
                cyfry.insert(0, miejsca - cyfry.size() + 1, '0');
            cyfry.insert(cyfry.size() - miejsca, 1, '.');
            return (ujemna ? "-" : "") + cyfry;
        }
        case TRodzaj::Zmiennoprzecinkowa: {
            char bufor[64];
            std::snprintf(bufor, sizeof bufor, "%.15g", FZmienna);
            return bufor;
        }
        case TRodzaj::Tekst: return FTekst;
    }
    return {};
}

}  // namespace ramvel
