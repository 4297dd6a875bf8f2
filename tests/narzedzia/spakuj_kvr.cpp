#include "narzedzia/spakuj_kvr.h"

#include <sys/stat.h>

#include <cstdio>
#include <ctime>
#include <fstream>
#include <iterator>

#include "archive/kvr/czytnik_kvr.h"
#include "archive/pomoc/zapis_kvr.h"
#include "files/sciezki.h"
#include "platform/bledy.h"
#include "platform/cp1250.h"
#include "platform/srodowisko.h"

namespace ramvel::testy {
namespace {

// The writer holds the whole archive in memory; demo databases are far
// smaller, and the size field is a signed 32-bit number anyway.
constexpr off_t kNajwiekszyPlik = off_t{256} << 20;

// A DOS date starts in 1980; older times are kept as its first day.
uint32_t DataDosPliku(time_t czas) {
    std::tm lokalny{};
    if (!localtime_r(&czas, &lokalny) || lokalny.tm_year + 1900 < 1980)
        return DataDos(1980, 1, 1, 0, 0, 0);
    return DataDos(lokalny.tm_year + 1900, lokalny.tm_mon + 1, lokalny.tm_mday, lokalny.tm_hour, lokalny.tm_min,
                   lokalny.tm_sec);
}

std::string CzytajCalyPlik(const std::string& plik, off_t rozmiar) {
    std::ifstream wejscie(plik, std::ios::binary);
    std::string dane(static_cast<size_t>(rozmiar), '\0');
    if (!wejscie || !wejscie.read(dane.data(), rozmiar) || wejscie.peek() != std::char_traits<char>::eof())
        throw EBlad("Nie można odczytać pliku \"" + plik + "\" (zmienił się w trakcie czytania?).");
    return dane;
}

// Removes the half-written archive unless the writing succeeded.
class TPlikRoboczy {
public:
    explicit TPlikRoboczy(std::string sciezka) : FSciezka(std::move(sciezka)) {}
    ~TPlikRoboczy() {
        if (!FZatrzymany)
            std::remove(FSciezka.c_str());
    }
    TPlikRoboczy(const TPlikRoboczy&) = delete;
    TPlikRoboczy& operator=(const TPlikRoboczy&) = delete;
    const std::string& Sciezka() const { return FSciezka; }
    void Zatrzymaj() { FZatrzymany = true; }

private:
    std::string FSciezka;
    bool FZatrzymany = false;
};

}  // namespace

void SpakujKvr(const std::string& archiwum, const std::vector<std::string>& pliki) {
    TZapisKvr zapis;
    for (const auto& plik : pliki) {
        struct stat opis {};
        if (stat(plik.c_str(), &opis) != 0)
            throw EBlad("Nie można odczytać pliku \"" + plik + "\": " + OpisOstatniegoBledu());
        if (!S_ISREG(opis.st_mode))
            throw EBlad("\"" + plik + "\" nie jest zwykłym plikiem.");
        if (opis.st_size == 0)
            throw EBlad("Pusty plik \"" + plik + "\" nie może trafić do archiwum KVR: rozmiar 0 kończy archiwum.");
        if (opis.st_size > kNajwiekszyPlik)
            throw EBlad("Plik \"" + plik + "\" jest za duży dla tego narzędzia.");
        const auto nazwa = Utf8NaCp1250(NazwaPliku(plik));
        if (!nazwa)
            throw EBlad("Nazwy pliku \"" + plik + "\" nie da się zapisać w kodzie Windows-1250.");
        if (nazwa->empty() || nazwa->size() > static_cast<size_t>(kMaksDlugoscNazwy))
            throw EBlad("Nazwa pliku \"" + plik + "\" musi mieć od 1 do " + std::to_string(kMaksDlugoscNazwy) +
                        " znaków.");
        TOpcjePliku opcje;
        opcje.Data = DataDosPliku(opis.st_mtime);
        zapis.Plik(*nazwa, CzytajCalyPlik(plik, opis.st_size), opcje);
    }
    zapis.Terminator();

    // Written beside the target and renamed onto it, so a failed run never
    // leaves a cut archive under the name the catalogue looks for.
    TPlikRoboczy roboczy(archiwum + ".nowy");
    {
        std::ofstream wyjscie(roboczy.Sciezka(), std::ios::binary | std::ios::trunc);
        wyjscie.write(zapis.Bajty().data(), static_cast<std::streamsize>(zapis.Bajty().size()));
        wyjscie.close();
        if (!wyjscie)
            throw EBlad("Nie można zapisać archiwum \"" + archiwum + "\".");
    }
    if (std::rename(roboczy.Sciezka().c_str(), archiwum.c_str()) != 0)
        throw EBlad("Nie można zapisać archiwum \"" + archiwum + "\": " + OpisOstatniegoBledu());
    roboczy.Zatrzymaj();
}

}  // namespace ramvel::testy
