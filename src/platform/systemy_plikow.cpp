#include "platform/systemy_plikow.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace ramvel {
namespace {

// The mount table of a busy machine is a few hundred lines; this is far more.
constexpr std::streamsize NajwiekszaTablica = 4 * 1024 * 1024;

std::string CzytajPlikSystemowy(const std::string& sciezka) {
    std::ifstream plik(sciezka, std::ios::binary);
    std::string tresc;
    char bufor[8192];
    while (plik && static_cast<std::streamsize>(tresc.size()) < NajwiekszaTablica) {
        plik.read(bufor, sizeof bufor);
        tresc.append(bufor, static_cast<size_t>(plik.gcount()));
    }
    return tresc;
}

int WartoscCyfry(char znak, int podstawa) {
    int wartosc = -1;
    if (znak >= '0' && znak <= '9')
        wartosc = znak - '0';
    else if (znak >= 'a' && znak <= 'f')
        wartosc = znak - 'a' + 10;
    else if (znak >= 'A' && znak <= 'F')
        wartosc = znak - 'A' + 10;
    return wartosc < podstawa ? wartosc : -1;
}

// "\040" (the mount table) or "\x20" (udev's link names): a backslash, an
// optional 'x', and a fixed number of digits; anything else stays as written.
std::string Odkoduj(std::string_view tekst, bool szesnastkowo) {
    const int podstawa = szesnastkowo ? 16 : 8;
    const size_t cyfr = szesnastkowo ? 2 : 3;
    const size_t przedrostek = szesnastkowo ? 2 : 1;
    std::string wynik;
    for (size_t i = 0; i < tekst.size(); ++i) {
        if (tekst[i] == '\\' && i + przedrostek + cyfr <= tekst.size() && (!szesnastkowo || tekst[i + 1] == 'x')) {
            int wartosc = 0;
            bool dobre = true;
            for (size_t j = 0; j < cyfr && dobre; ++j) {
                const int cyfra = WartoscCyfry(tekst[i + przedrostek + j], podstawa);
                dobre = cyfra >= 0;
                wartosc = wartosc * podstawa + cyfra;
            }
            if (dobre && wartosc < 256) {
                wynik += static_cast<char>(wartosc);
                i += przedrostek + cyfr - 1;
                continue;
            }
        }
        wynik += tekst[i];
    }
    return wynik;
}

std::vector<std::string_view> Pola(std::string_view linia) {
    std::vector<std::string_view> pola;
    size_t i = 0;
    while (i < linia.size()) {
        while (i < linia.size() && (linia[i] == ' ' || linia[i] == '\t'))
            ++i;
        const size_t poczatek = i;
        while (i < linia.size() && linia[i] != ' ' && linia[i] != '\t')
            ++i;
        if (i > poczatek)
            pola.push_back(linia.substr(poczatek, i - poczatek));
    }
    return pola;
}

bool DoWyboru(const std::string& katalog) {
    const auto pod = [&](const char* gdzie) { return katalog.rfind(gdzie, 0) == 0; };
    return katalog == "/" || katalog == "/home" || pod("/media/") || pod("/mnt/") || katalog == "/mnt";
}

std::string PrawdziwaSciezka(const std::string& sciezka) {
    if (sciezka.empty() || sciezka.front() != '/')
        return sciezka;  // "proc", "overlay": no device file behind it
    std::error_code blad;
    const auto prawdziwa = std::filesystem::canonical(sciezka, blad);
    return blad ? sciezka : prawdziwa.string();
}

}  // namespace

std::vector<TSystemPlikow> CzytajTabliceMontowan(std::string_view tresc) {
    std::vector<TSystemPlikow> systemy;
    while (!tresc.empty()) {
        const size_t koniec = tresc.find('\n');
        const std::string_view linia = tresc.substr(0, koniec);
        tresc = koniec == std::string_view::npos ? std::string_view() : tresc.substr(koniec + 1);
        const auto pola = Pola(linia);
        if (pola.size() < 3 || pola[1].front() != '/')
            continue;
        systemy.push_back({Odkoduj(pola[0], false), Odkoduj(pola[1], false), Odkoduj(pola[2], false), {}});
    }
    return systemy;
}

std::map<std::string, std::string> EtykietyUrzadzen(const std::string& katalogEtykiet) {
    std::map<std::string, std::string> etykiety;
    std::error_code blad;
    for (std::filesystem::directory_iterator it(katalogEtykiet, blad), koniec; !blad && it != koniec;
         it.increment(blad)) {
        std::error_code bladLinku;
        const auto urzadzenie = std::filesystem::canonical(it->path(), bladLinku);
        if (!bladLinku)
            etykiety[urzadzenie.string()] = Odkoduj(it->path().filename().string(), true);
    }
    return etykiety;
}

std::vector<TSystemPlikow> SystemyPlikowDoWyboru(const std::vector<TSystemPlikow>& zamontowane,
                                                 const std::map<std::string, std::string>& etykiety) {
    std::vector<TSystemPlikow> wynik;
    for (const TSystemPlikow& system : zamontowane) {
        if (!DoWyboru(system.Katalog))
            continue;
        TSystemPlikow wpis = system;
        const auto etykieta = etykiety.find(PrawdziwaSciezka(system.Urzadzenie));
        if (etykieta != etykiety.end())
            wpis.Etykieta = etykieta->second;
        const auto juz = std::find_if(wynik.begin(), wynik.end(),
                                      [&](const TSystemPlikow& s) { return s.Katalog == wpis.Katalog; });
        if (juz != wynik.end())
            *juz = wpis;
        else
            wynik.push_back(wpis);
    }
    return wynik;
}

std::vector<TSystemPlikow> SystemyPlikowDoWyboru() {
    return SystemyPlikowDoWyboru(CzytajTabliceMontowan(CzytajPlikSystemowy("/proc/self/mounts")),
                                 EtykietyUrzadzen());
}

}  // namespace ramvel
