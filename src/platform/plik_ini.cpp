#include "platform/plik_ini.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string_view>

#include "platform/bledy.h"
#include "platform/cp1250.h"

namespace ramvel {
namespace {

struct TLinia {
    size_t Poczatek;     // first byte of the line
    size_t Koniec;       // one past its last byte, line end excluded
    size_t NastepnaOd;   // first byte of the next line
};

std::vector<TLinia> PodzielNaLinie(const std::string& bajty) {
    std::vector<TLinia> linie;
    size_t pozycja = 0;
    while (pozycja < bajty.size()) {
        size_t koniec = pozycja;
        while (koniec < bajty.size() && bajty[koniec] != '\n' && bajty[koniec] != '\r')
            ++koniec;
        size_t nastepna = koniec;
        if (nastepna < bajty.size() && bajty[nastepna] == '\r')
            ++nastepna;
        if (nastepna < bajty.size() && bajty[nastepna] == '\n')
            ++nastepna;
        linie.push_back({pozycja, koniec, nastepna});
        pozycja = nastepna;
    }
    return linie;
}

std::string_view Przytnij(std::string_view tekst) {
    const auto bialy = [](char c) { return c == ' ' || c == '\t' || c == '\0'; };
    while (!tekst.empty() && bialy(tekst.front()))
        tekst.remove_prefix(1);
    while (!tekst.empty() && bialy(tekst.back()))
        tekst.remove_suffix(1);
    return tekst;
}

// Names compare as Windows compares them: the same letters in any case.
bool NazwyRowne(std::string_view zPliku, const std::string& szukana) {
    return WielkieLitery(Cp1250NaUtf8(zPliku)) == WielkieLitery(szukana);
}

// The name of a "[section]" line, or nullopt for any other line.
std::optional<std::string_view> NazwaSekcji(std::string_view linia) {
    linia = Przytnij(linia);
    if (linia.empty() || linia.front() != '[')
        return std::nullopt;
    const size_t zamkniecie = linia.find(']');
    if (zamkniecie == std::string_view::npos)
        return std::nullopt;
    return Przytnij(linia.substr(1, zamkniecie - 1));
}

struct TPara {
    std::string_view Klucz;
    std::string_view Wartosc;
};

std::optional<TPara> ParaKluczWartosc(std::string_view linia) {
    const std::string_view przycieta = Przytnij(linia);
    if (przycieta.empty() || przycieta.front() == ';')
        return std::nullopt;
    const size_t rownosc = przycieta.find('=');
    if (rownosc == std::string_view::npos)
        return std::nullopt;
    TPara para{Przytnij(przycieta.substr(0, rownosc)), Przytnij(przycieta.substr(rownosc + 1))};
    if (para.Klucz.empty())
        return std::nullopt;
    const std::string_view w = para.Wartosc;
    if (w.size() >= 2 && (w.front() == '"' || w.front() == '\'') && w.back() == w.front())
        para.Wartosc = w.substr(1, w.size() - 2);
    return para;
}

// Where a section starts and ends (line indices) in the file, first occurrence.
struct TZakres {
    size_t Naglowek;
    size_t Koniec;  // index of the next section line or linie.size()
};

std::optional<TZakres> ZnajdzSekcje(const std::string& bajty, const std::vector<TLinia>& linie,
                                    const std::string& sekcja) {
    for (size_t i = 0; i < linie.size(); ++i) {
        const auto nazwa = NazwaSekcji(std::string_view(bajty).substr(linie[i].Poczatek,
                                                                      linie[i].Koniec - linie[i].Poczatek));
        if (!nazwa || !NazwyRowne(*nazwa, sekcja))
            continue;
        size_t koniec = i + 1;
        while (koniec < linie.size() &&
               !NazwaSekcji(std::string_view(bajty).substr(linie[koniec].Poczatek,
                                                           linie[koniec].Koniec - linie[koniec].Poczatek)))
            ++koniec;
        return TZakres{i, koniec};
    }
    return std::nullopt;
}

std::string_view TrescLinii(const std::string& bajty, const TLinia& linia) {
    return std::string_view(bajty).substr(linia.Poczatek, linia.Koniec - linia.Poczatek);
}

std::string KoniecLiniiPliku(const std::string& bajty) {
    const size_t lf = bajty.find('\n');
    if (lf == std::string::npos)
        return "\r\n";
    return (lf > 0 && bajty[lf - 1] == '\r') ? "\r\n" : "\n";
}

// nullopt for a missing file; EBlad for one that exists but cannot be read.
std::optional<std::string> WczytajPlik(const std::string& sciezka) {
    std::FILE* plik = std::fopen(sciezka.c_str(), "rb");
    if (!plik) {
        if (errno == ENOENT || errno == ENOTDIR)
            return std::nullopt;
        throw EBlad("Nie można odczytać pliku " + sciezka + ": " + std::strerror(errno));
    }
    std::string bajty;
    char bufor[8192];
    size_t przeczytane;
    while ((przeczytane = std::fread(bufor, 1, sizeof bufor, plik)) > 0)
        bajty.append(bufor, przeczytane);
    const bool blad = std::ferror(plik);
    std::fclose(plik);
    if (blad)
        throw EBlad("Nie można odczytać pliku " + sciezka);
    return bajty;
}

}  // namespace

std::optional<std::string> WartoscIni(const std::string& bajty, const std::string& sekcja,
                                      const std::string& klucz) {
    const auto linie = PodzielNaLinie(bajty);
    const auto zakres = ZnajdzSekcje(bajty, linie, sekcja);
    if (!zakres)
        return std::nullopt;
    for (size_t i = zakres->Naglowek + 1; i < zakres->Koniec; ++i) {
        const auto para = ParaKluczWartosc(TrescLinii(bajty, linie[i]));
        if (para && NazwyRowne(para->Klucz, klucz))
            return std::string(para->Wartosc);
    }
    return std::nullopt;
}

std::string ZmienWartoscIni(const std::string& bajty, const std::string& sekcja, const std::string& klucz,
                            const std::string& wartoscCp1250) {
    const auto linie = PodzielNaLinie(bajty);
    const std::string koniecLinii = KoniecLiniiPliku(bajty);
    const std::string kluczCp = Utf8NaCp1250(klucz).value_or(klucz);
    const std::string nowaLinia = kluczCp + "=" + wartoscCp1250;
    const auto zakres = ZnajdzSekcje(bajty, linie, sekcja);
    if (!zakres) {
        std::string wynik = bajty;
        if (!wynik.empty() && wynik.back() != '\n' && wynik.back() != '\r')
            wynik += koniecLinii;
        wynik += "[" + Utf8NaCp1250(sekcja).value_or(sekcja) + "]" + koniecLinii + nowaLinia + koniecLinii;
        return wynik;
    }
    for (size_t i = zakres->Naglowek + 1; i < zakres->Koniec; ++i) {
        const auto para = ParaKluczWartosc(TrescLinii(bajty, linie[i]));
        if (para && NazwyRowne(para->Klucz, klucz))
            return bajty.substr(0, linie[i].Poczatek) + nowaLinia + bajty.substr(linie[i].Koniec);
    }
    // A new key goes after the section's last non-blank line.
    size_t ostatnia = zakres->Naglowek;
    for (size_t i = zakres->Naglowek + 1; i < zakres->Koniec; ++i)
        if (!Przytnij(TrescLinii(bajty, linie[i])).empty())
            ostatnia = i;
    const TLinia& po = linie[ostatnia];
    if (po.NastepnaOd == po.Koniec)  // the file ends on this line without a line end
        return bajty + koniecLinii + nowaLinia + koniecLinii;
    return bajty.substr(0, po.NastepnaOd) + nowaLinia + koniecLinii + bajty.substr(po.NastepnaOd);
}

std::optional<std::string> TPlikIni::Czytaj(const std::string& sekcja, const std::string& klucz) const {
    const auto bajty = WczytajPlik(FSciezka);
    if (!bajty)
        return std::nullopt;
    const auto wartosc = WartoscIni(*bajty, sekcja, klucz);
    if (!wartosc)
        return std::nullopt;
    return Cp1250NaUtf8(*wartosc);
}

std::string TPlikIni::CzytajTekst(const std::string& sekcja, const std::string& klucz,
                                  const std::string& domyslny) const {
    return Czytaj(sekcja, klucz).value_or(domyslny);
}

std::vector<std::string> TPlikIni::Klucze(const std::string& sekcja) const {
    std::vector<std::string> klucze;
    const auto bajty = WczytajPlik(FSciezka);
    if (!bajty)
        return klucze;
    const auto linie = PodzielNaLinie(*bajty);
    const auto zakres = ZnajdzSekcje(*bajty, linie, sekcja);
    if (!zakres)
        return klucze;
    for (size_t i = zakres->Naglowek + 1; i < zakres->Koniec; ++i) {
        const auto para = ParaKluczWartosc(TrescLinii(*bajty, linie[i]));
        if (!para)
            continue;
        std::string nazwa = Cp1250NaUtf8(para->Klucz);
        bool juzJest = false;
        for (const auto& k : klucze)
            juzJest = juzJest || WielkieLitery(k) == WielkieLitery(nazwa);
        if (!juzJest)
            klucze.push_back(std::move(nazwa));
    }
    return klucze;
}

void TPlikIni::Zapisz(const std::string& sekcja, const std::string& klucz, const std::string& wartosc) {
    const auto wartoscCp = Utf8NaCp1250(wartosc);
    if (!wartoscCp)
        throw EBlad("Tekstu \"" + wartosc + "\" nie można zapisać w pliku " + FSciezka +
                    ": zawiera znaki spoza strony kodowej Windows-1250.");
    const std::string stare = WczytajPlik(FSciezka).value_or("");
    const std::string nowe = ZmienWartoscIni(stare, sekcja, klucz, *wartoscCp);
    if (nowe == stare)
        return;
    // Written beside and renamed, so that a failed write leaves the old file whole.
    const std::string tymczasowy = FSciezka + ".tmp";
    std::ofstream plik(tymczasowy, std::ios::binary | std::ios::trunc);
    if (!plik)
        throw EBlad("Nie można zapisać pliku " + FSciezka + ": " + std::strerror(errno));
    plik.write(nowe.data(), static_cast<std::streamsize>(nowe.size()));
    plik.close();
    if (!plik || std::rename(tymczasowy.c_str(), FSciezka.c_str()) != 0) {
        const int blad = errno;
        std::remove(tymczasowy.c_str());
        throw EBlad("Nie można zapisać pliku " + FSciezka + ": " + std::strerror(blad));
    }
}

}  // namespace ramvel
