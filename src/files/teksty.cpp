#include "files/teksty.h"

#include <charconv>
#include <vector>

#include "platform/cp1250.h"

namespace ramvel {
namespace {

std::string Tekst(const std::vector<char32_t>& znaki, size_t od, size_t ile) {
    std::string wynik;
    for (size_t i = od; i < od + ile && i < znaki.size(); ++i)
        DopiszUtf8(wynik, znaki[i]);
    return wynik;
}

}  // namespace

bool TekstyRowne(const std::string& a, const std::string& b) { return WielkieLitery(a) == WielkieLitery(b); }

size_t PozycjaBezWielkosci(const std::string& szukany, const std::string& tekst) {
    if (szukany.empty())
        return 0;
    const std::vector<char32_t> igla = ZnakiUtf8(WielkieLitery(szukany));
    const std::vector<char32_t> stog = ZnakiUtf8(WielkieLitery(tekst));
    if (igla.size() > stog.size())
        return 0;
    for (size_t i = 0; i + igla.size() <= stog.size(); ++i)
        if (std::equal(igla.begin(), igla.end(), stog.begin() + static_cast<std::ptrdiff_t>(i)))
            return i + 1;
    return 0;
}

char32_t ZnakNaPozycji(const std::string& tekst, size_t pozycja) {
    const auto znaki = ZnakiUtf8(tekst);
    return (pozycja >= 1 && pozycja <= znaki.size()) ? znaki[pozycja - 1] : 0;
}

std::string DopelnijTekst(const std::string& tekst, int dlugosc, char strona, char znak) {
    if (dlugosc < 1)
        return {};
    const auto znaki = ZnakiUtf8(tekst);
    if (static_cast<size_t>(dlugosc) <= znaki.size())
        return Tekst(znaki, 0, static_cast<size_t>(dlugosc));
    const std::string dopelnienie(static_cast<size_t>(dlugosc) - znaki.size(), znak);
    if (strona == 'L')
        return tekst + dopelnienie;
    if (strona == 'P')
        return dopelnienie + tekst;
    return tekst;
}

std::string PoleTekstu(const std::string& tekst, int numer, char separator) {
    if (numer < 0)
        return {};
    if (numer == 0)
        numer = 1;
    size_t poczatek = 0;
    for (int i = 1; i < numer; ++i) {
        const size_t nastepny = tekst.find(separator, poczatek);
        if (nastepny == std::string::npos)
            return {};
        poczatek = nastepny + 1;
    }
    const size_t koniec = tekst.find(separator, poczatek);
    return tekst.substr(poczatek, koniec == std::string::npos ? std::string::npos : koniec - poczatek);
}

int LiczbaPol(const std::string& tekst, char separator) {
    if (tekst.empty())
        return 0;
    int liczba = 1;
    for (const char c : tekst)
        liczba += c == separator;
    return liczba;
}

int ZamienWszystko(const std::string& szukany, const std::string& nowy, std::string& tekst) {
    if (szukany.empty() || szukany == nowy)
        return 0;
    int liczba = 0;
    std::string wynik;
    size_t pozycja = 0;
    for (;;) {
        const size_t znaleziony = tekst.find(szukany, pozycja);
        if (znaleziony == std::string::npos)
            break;
        wynik.append(tekst, pozycja, znaleziony - pozycja);
        wynik += nowy;
        pozycja = znaleziony + szukany.size();
        ++liczba;
    }
    if (liczba == 0)
        return 0;
    wynik.append(tekst, pozycja, std::string::npos);
    tekst = std::move(wynik);
    return liczba;
}

std::string ZamienWszystkoKopia(const std::string& szukany, const std::string& nowy, std::string tekst) {
    ZamienWszystko(szukany, nowy, tekst);
    return tekst;
}

int TekstNaLiczbe(const std::string& tekst) {
    const char* poczatek = tekst.data();
    const char* koniec = tekst.data() + tekst.size();
    if (poczatek != koniec && *poczatek == '+')
        ++poczatek;
    if (poczatek == koniec || *poczatek == '+')
        return 0;
    int wynik = 0;
    const auto [ptr, ec] = std::from_chars(poczatek, koniec, wynik);
    return (ec == std::errc() && ptr == koniec) ? wynik : 0;
}

}  // namespace ramvel
