#include "archive/okno_paka.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "files/sciezki.h"

namespace ramvel {
namespace {

constexpr int kJednostka = 1024;

int WZakresie(int64_t wartosc, int maksimum) {
    return static_cast<int>(std::clamp<int64_t>(wartosc, 0, std::max(maksimum, 0)));
}

int Jednostki(int64_t bajty) {
    return static_cast<int>(std::clamp<int64_t>(bajty / kJednostka, 0, INT32_MAX));
}

}  // namespace

std::string FormatCzasu(int64_t milisekundy) {
    const int64_t sekundy = std::max<int64_t>(milisekundy, 0) / 1000;
    char tekst[32];
    std::snprintf(tekst, sizeof tekst, "%02lld:%02lld:%02lld", static_cast<long long>(sekundy / 3600),
                  static_cast<long long>(sekundy / 60 % 60), static_cast<long long>(sekundy % 60));
    return tekst;
}

TOknoPaka::TOknoPaka(std::unique_ptr<IOknoPostepuPaka> okno) : FOkno(std::move(okno)) {
    FOkno->UstawPasekCalosci(0, FMaksimumCalosci);
}

void TOknoPaka::Ustaw(std::string& pole, const std::string& tekst,
                      void (IOknoPostepuPaka::*ustaw)(const std::string&)) {
    if (pole == tekst)
        return;
    pole = tekst;
    (FOkno.get()->*ustaw)(tekst);
}

void TOknoPaka::UstawTytul(const std::string& nazwaArchiwum) {
    FOkno->UstawTytul("Odtwarzanie z archiwum: " + NazwaPliku(nazwaArchiwum));
}

void TOknoPaka::UstawMaksimumCalosci(int64_t rozmiarPaczek) {
    FMaksimumCalosci = Jednostki(rozmiarPaczek);
    FPozycjaCalosci = WZakresie(FPozycjaCalosci, FMaksimumCalosci);
    FOkno->UstawPasekCalosci(FPozycjaCalosci, FMaksimumCalosci);
}

void TOknoPaka::PoczatekPliku(int32_t rozmiarPliku, const std::string& sciezka, bool pomin) {
    FMaksimumPliku = Jednostki(rozmiarPliku);
    FPozycjaPliku = 0;
    FOkno->UstawPasekPliku(FPozycjaPliku, FMaksimumPliku);
    Ustaw(FNazwaPliku, (pomin ? "pomijanie : " : "") + NazwaPliku(sciezka), &IOknoPostepuPaka::UstawNazwePliku);
}

void TOknoPaka::PoBloku(size_t zdekodowane, size_t zapisane) {
    FPozycjaPliku = WZakresie(int64_t{FPozycjaPliku} + Jednostki(static_cast<int64_t>(zdekodowane)), FMaksimumPliku);
    FPozycjaCalosci =
        WZakresie(int64_t{FPozycjaCalosci} + Jednostki(static_cast<int64_t>(zapisane)), FMaksimumCalosci);
    FOkno->UstawPasekPliku(FPozycjaPliku, FMaksimumPliku);
    FOkno->UstawPasekCalosci(FPozycjaCalosci, FMaksimumCalosci);
}

void TOknoPaka::PokazProcent() {
    // Volumes of less than 1,024 bytes in all leave nothing to divide by.
    const int64_t procent = FMaksimumCalosci > 0 ? int64_t{FPozycjaCalosci} * 100 / FMaksimumCalosci : 0;
    Ustaw(FProcent, std::to_string(procent) + " %", &IOknoPostepuPaka::UstawProcent);
}

void TOknoPaka::Czasy(int64_t uplynelo, double& szacowanyCzas) {
    Ustaw(FCzasOd, FormatCzasu(uplynelo), &IOknoPostepuPaka::UstawCzasOdPoczatku);
    if (uplynelo < 2000 || FPozycjaCalosci <= 0)
        return;
    const double calkowity = static_cast<double>(FMaksimumCalosci) / FPozycjaCalosci * static_cast<double>(uplynelo);
    if (std::fabs(calkowity - szacowanyCzas) <= szacowanyCzas / 20)
        return;
    szacowanyCzas = calkowity;
    Ustaw(FCzasDo, FormatCzasu(static_cast<int64_t>(calkowity) - uplynelo), &IOknoPostepuPaka::UstawCzasDoKonca);
    Ustaw(FCzasCalkowity, FormatCzasu(static_cast<int64_t>(calkowity)), &IOknoPostepuPaka::UstawCzasCalkowity);
}

void TOknoPaka::KoniecPliku() {
    FPozycjaPliku = 0;
    FOkno->UstawPasekPliku(FPozycjaPliku, FMaksimumPliku);
    Ustaw(FNazwaPliku, "", &IOknoPostepuPaka::UstawNazwePliku);
}

void TOknoPaka::StanKoncowy() {
    Ustaw(FNazwaPliku, "Koniec", &IOknoPostepuPaka::UstawNazwePliku);
    FPozycjaPliku = 0;
    FOkno->UstawPasekPliku(FPozycjaPliku, FMaksimumPliku);
    FPozycjaCalosci = FMaksimumCalosci;
    FOkno->UstawPasekCalosci(FPozycjaCalosci, FMaksimumCalosci);
}

bool TOknoPaka::Anulowano() { return FOkno->Anulowano(); }

}  // namespace ramvel
