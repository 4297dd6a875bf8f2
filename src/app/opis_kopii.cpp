#include "app/opis_kopii.h"

#include <algorithm>
#include <fstream>
#include <vector>

#include "app/data_czas.h"
#include "files/sciezki.h"
#include "files/teksty.h"
#include "platform/cp1250.h"
#include "platform/plik_ini.h"

namespace ramvel {
namespace {

const char* const SekcjaOpisu = "Kopia";
// A real description is a few hundred bytes; whatever lies beyond this is not
// one, and is not read.
constexpr std::streamsize NajwiekszyOpis = 64 * 1024;

std::string CzytajPoczatekPliku(const std::string& sciezka) {
    std::ifstream plik(sciezka, std::ios::binary);
    std::string bajty(static_cast<size_t>(NajwiekszyOpis), '\0');
    if (!plik)
        return {};
    plik.read(bajty.data(), NajwiekszyOpis);
    bajty.resize(static_cast<size_t>(std::max<std::streamsize>(plik.gcount(), 0)));
    return bajty;
}

size_t PoczatekNazwy(const std::string& sciezka) {
    const size_t separator = sciezka.find_last_of("/\\:");
    return separator == std::string::npos ? 0 : separator + 1;
}

// The characters od..od+ile-1 (counted from 0) as a number of decimal digits;
// -1 when they are fewer than asked, empty, or anything but digits.
int LiczbaZCyfr(const std::vector<char32_t>& znaki, size_t od, size_t ile) {
    if (ile == 0 || od + ile > znaki.size())
        return -1;
    int wynik = 0;
    for (size_t i = od; i < od + ile; ++i) {
        if (znaki[i] < U'0' || znaki[i] > U'9')
            return -1;
        wynik = wynik * 10 + static_cast<int>(znaki[i] - U'0');
    }
    return wynik;
}

class TOpis {
public:
    explicit TOpis(std::string bajty) : FBajty(std::move(bajty)) {}

    std::string Tekst(const char* klucz, const std::string& domyslny = "") const {
        const auto wartosc = WartoscIni(FBajty, SekcjaOpisu, klucz);
        return wartosc ? Cp1250NaUtf8(*wartosc) : domyslny;
    }
    int32_t Liczba(const char* klucz) const { return TekstNaLiczbe(Tekst(klucz)); }

private:
    std::string FBajty;
};

}  // namespace

std::string ZmienRozszerzenie(const std::string& sciezka, const std::string& rozszerzenie) {
    const size_t kropka = sciezka.rfind('.');
    if (kropka == std::string::npos || kropka < PoczatekNazwy(sciezka))
        return sciezka + rozszerzenie;
    return sciezka.substr(0, kropka) + rozszerzenie;
}

std::optional<std::string> PlikOpisuKopii(const std::string& archiwum) {
    return ZnajdzPlikBezWielkosciLiter(ZmienRozszerzenie(archiwum, ".ini"));
}

bool CzytajOpisKopii(const std::string& archiwum, TRekKat& rekord) {
    rekord.NazwaPliku = ZmienRozszerzenie(archiwum, ".aaa");
    const auto plikOpisu = PlikOpisuKopii(archiwum);
    if (!plikOpisu)
        return false;
    const TOpis opis(CzytajPoczatekPliku(*plikOpisu));
    rekord.IloscDysk = opis.Liczba("IloscDysk");
    rekord.NazwaSkr = opis.Tekst("NazwaSkr");
    rekord.PodKatalog = opis.Tekst("PodKatalog");
    rekord.Id = opis.Liczba("Id");
    rekord.Czas = CzasKopii(opis.Tekst("Czas"));
    rekord.ProgramName = opis.Tekst("ProgramName");
    if (rekord.ProgramName == "MORVANTA_SQL")
        rekord.ProgramName = "Morvanta PRO";
    rekord.Wersja = opis.Tekst("Wersja");
    rekord.LicencjaNazwa = opis.Tekst("LicencjaNazwa");
    rekord.LicencjaNr = opis.Liczba("LicencjaNr");
    rekord.ArchiveExt = opis.Tekst("ArchiveExt", "kvp");
    rekord.DaneSystemowe = false;
    return true;
}

double CzasKopii(const std::string& tekst) {
    const std::vector<char32_t> znaki = ZnakiUtf8(tekst);
    const int rok = LiczbaZCyfr(znaki, 0, 4);
    const int miesiac = LiczbaZCyfr(znaki, 5, 2);
    const int dzien = LiczbaZCyfr(znaki, 8, 2);
    const int minuta = znaki.size() >= 2 ? LiczbaZCyfr(znaki, znaki.size() - 2, 2) : -1;
    // Without a blank there is no time part; taking the hour from the text's
    // first characters would invent one out of the year.
    const auto blank = std::find(znaki.begin(), znaki.end(), U' ');
    if (blank == znaki.end())
        return 0;
    const size_t poGodzinie = static_cast<size_t>(blank - znaki.begin()) + 1;
    size_t cyfrGodziny = 1;
    if (poGodzinie + 1 < znaki.size() && znaki[poGodzinie + 1] >= U'0' && znaki[poGodzinie + 1] <= U'9')
        cyfrGodziny = 2;
    const int godzina = LiczbaZCyfr(znaki, poGodzinie, cyfrGodziny);
    if (rok < 0 || miesiac < 0 || dzien < 0 || godzina < 0 || minuta < 0)
        return 0;
    return KodujDateCzas(rok, miesiac, dzien, godzina, minuta).value_or(0);
}

}  // namespace ramvel
