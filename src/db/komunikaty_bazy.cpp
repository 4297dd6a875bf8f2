#include "db/komunikaty_bazy.h"

#include <map>
#include <string_view>
#include <unordered_map>

namespace ramvel {
namespace dane {
extern const unsigned char kKodyBledow[];
extern const std::size_t kKodyBledowRozmiar;
extern const unsigned char kOgraniczenia[];
extern const std::size_t kOgraniczeniaRozmiar;
extern const unsigned char kIndeksy[];
extern const std::size_t kIndeksyRozmiar;
extern const unsigned char kWyjatki[];
extern const std::size_t kWyjatkiRozmiar;
}  // namespace dane

namespace {

// Data file format: one row a line, fields separated by a tab; lines that are
// empty or begin with "#" are comments. In a text, \r, \n and \t stand for
// the control characters; every other backslash is itself.
std::string BezZnakowUcieczki(std::string_view tekst) {
    std::string wynik;
    for (size_t i = 0; i < tekst.size(); ++i) {
        if (tekst[i] == '\\' && i + 1 < tekst.size()) {
            const char nastepny = tekst[i + 1];
            if (nastepny == 'r' || nastepny == 'n' || nastepny == 't') {
                wynik += nastepny == 'r' ? '\r' : nastepny == 'n' ? '\n' : '\t';
                ++i;
                continue;
            }
        }
        wynik += tekst[i];
    }
    return wynik;
}

std::vector<std::vector<std::string>> Wiersze(const char* dane, size_t rozmiar) {
    std::vector<std::vector<std::string>> wiersze;
    std::string_view reszta(dane, rozmiar);
    while (!reszta.empty()) {
        const size_t koniec = reszta.find('\n');
        std::string_view linia = reszta.substr(0, koniec);
        reszta = koniec == std::string_view::npos ? std::string_view() : reszta.substr(koniec + 1);
        if (!linia.empty() && linia.back() == '\r')
            linia.remove_suffix(1);
        if (linia.empty() || linia.front() == '#')
            continue;
        std::vector<std::string> pola;
        for (;;) {
            const size_t tab = linia.find('\t');
            pola.push_back(BezZnakowUcieczki(linia.substr(0, tab)));
            if (tab == std::string_view::npos)
                break;
            linia.remove_prefix(tab + 1);
        }
        wiersze.push_back(std::move(pola));
    }
    return wiersze;
}

struct TTabelaKodow {
    std::vector<int32_t> Kolejnosc;
    std::map<int32_t, TKomunikatKodu> Wiersze;
};

const TTabelaKodow& TabelaKodow() {
    static const TTabelaKodow tabela = [] {
        TTabelaKodow t;
        for (auto& pola : Wiersze(reinterpret_cast<const char*>(dane::kKodyBledow), dane::kKodyBledowRozmiar)) {
            if (pola.size() < 2)
                continue;
            const auto kod = static_cast<int32_t>(std::stol(pola[0]));
            TKomunikatKodu komunikat;
            if (pola[1] == "*") {
                komunikat.Rodzaj = TKomunikatKodu::TRodzaj::Regula;
            } else if (pola.size() >= 3) {
                komunikat.Rodzaj = TKomunikatKodu::TRodzaj::Szablon;
                komunikat.Polski = pola[1];
                komunikat.Angielski = pola[2];
            } else {
                komunikat.Polski = pola[1];
            }
            // Of a code listed twice the first row counts.
            if (t.Wiersze.emplace(kod, std::move(komunikat)).second)
                t.Kolejnosc.push_back(kod);
        }
        return t;
    }();
    return tabela;
}

struct TTabelaNazw {
    std::vector<std::string> Kolejnosc;
    std::unordered_map<std::string, std::string> Wiersze;
};

TTabelaNazw WczytajNazwy(const char* dane, size_t rozmiar) {
    TTabelaNazw t;
    for (auto& pola : Wiersze(dane, rozmiar)) {
        if (pola.size() < 2)
            continue;
        if (t.Wiersze.emplace(pola[0], pola[1]).second)
            t.Kolejnosc.push_back(pola[0]);
    }
    return t;
}

const TTabelaNazw& Ograniczenia() {
    static const TTabelaNazw t = WczytajNazwy(reinterpret_cast<const char*>(dane::kOgraniczenia), dane::kOgraniczeniaRozmiar);
    return t;
}
const TTabelaNazw& Indeksy() {
    static const TTabelaNazw t = WczytajNazwy(reinterpret_cast<const char*>(dane::kIndeksy), dane::kIndeksyRozmiar);
    return t;
}
const TTabelaNazw& Wyjatki() {
    static const TTabelaNazw t = WczytajNazwy(reinterpret_cast<const char*>(dane::kWyjatki), dane::kWyjatkiRozmiar);
    return t;
}

std::string Szukaj(const TTabelaNazw& tabela, const std::string& nazwa) {
    const auto it = tabela.Wiersze.find(nazwa);
    return it == tabela.Wiersze.end() ? std::string() : it->second;
}

}  // namespace

std::optional<TKomunikatKodu> KomunikatKodu(int32_t kod) {
    const auto& wiersze = TabelaKodow().Wiersze;
    const auto it = wiersze.find(kod);
    if (it == wiersze.end())
        return std::nullopt;
    return it->second;
}

std::vector<int32_t> KodyTabeli() { return TabelaKodow().Kolejnosc; }

std::string KomunikatOgraniczenia(const std::string& nazwa) { return Szukaj(Ograniczenia(), nazwa); }
std::string KomunikatIndeksu(const std::string& nazwa) { return Szukaj(Indeksy(), nazwa); }
std::string KomunikatWyjatku(const std::string& nazwa) { return Szukaj(Wyjatki(), nazwa); }

std::vector<std::string> NazwyOgraniczen() { return Ograniczenia().Kolejnosc; }
std::vector<std::string> NazwyIndeksow() { return Indeksy().Kolejnosc; }
std::vector<std::string> NazwyWyjatkow() { return Wyjatki().Kolejnosc; }

}  // namespace ramvel
