#include "archive/maska_pliku.h"

#include "platform/bledy.h"
#include "platform/cp1250.h"

namespace ramvel {
namespace {

std::u32string Znaki(const std::string& tekst) {
    std::u32string znaki;
    size_t pozycja = 0;
    while (pozycja < tekst.size())
        znaki.push_back(NastepnyZnakUtf8(tekst, pozycja));
    return znaki;
}

}  // namespace

std::vector<TMaskFile::TElement> TMaskFile::Rozbierz(const std::string& maska) {
    const std::u32string znaki = Znaki(WielkieLitery(maska));
    const auto blad = [&](size_t pozycja) {
        return EBlad("'" + maska + "' is an invalid mask at (" + std::to_string(pozycja + 1) + ")");
    };
    std::vector<TElement> wzor;
    for (size_t i = 0; i < znaki.size(); ++i) {
        const char32_t z = znaki[i];
        if (z == U'*') {
            if (wzor.empty() || wzor.back().Rodzaj != TElement::Gwiazdka)
                wzor.push_back(Element(TElement::Gwiazdka));
        } else if (z == U'?') {
            wzor.push_back(Element(TElement::Dowolny));
        } else if (z == U'[') {
            const size_t poczatek = i;
            TElement zbior = Element(TElement::Zbior);
            ++i;
            if (i < znaki.size() && znaki[i] == U'!') {
                zbior.Negacja = true;
                ++i;
            }
            while (i < znaki.size() && znaki[i] != U']') {
                char32_t od = znaki[i], do_ = znaki[i];
                if (i + 2 < znaki.size() && znaki[i + 1] == U'-' && znaki[i + 2] != U']') {
                    do_ = znaki[i + 2];
                    i += 2;
                }
                if (do_ < od)
                    throw blad(i);
                zbior.Zakresy.emplace_back(od, do_);
                ++i;
            }
            if (i >= znaki.size())
                throw blad(poczatek);
            if (zbior.Zakresy.empty())
                throw blad(i);
            wzor.push_back(std::move(zbior));
        } else {
            wzor.push_back(Element(TElement::Znak, z));
        }
    }
    return wzor;
}

TMaskFile::TMaskFile(const std::string& maska) {
    FWzor = Rozbierz(maska);
    if (maska == ".*") {
        FNicNiePasuje = true;
    } else if (maska.size() > 2 && maska.compare(maska.size() - 2, 2, ".*") == 0) {
        // "*.*" becomes "*"; "dane.*" takes "dane" and "dane.<anything>".
        FWzorBezRozszerzenia = Rozbierz(maska.substr(0, maska.size() - 2));
        FBezRozszerzenia = true;
    }
}

bool TMaskFile::Pasuje(const std::vector<TElement>& wzor, const std::u32string& nazwa) {
    // Greedy match with one backtrack point: the last star seen.
    size_t w = 0, n = 0;
    size_t gwiazdka = std::string::npos, poGwiazdce = 0;
    while (n < nazwa.size()) {
        if (w < wzor.size()) {
            const TElement& e = wzor[w];
            if (e.Rodzaj == TElement::Gwiazdka) {
                gwiazdka = w++;
                poGwiazdce = n;
                continue;
            }
            bool zgodny = false;
            if (e.Rodzaj == TElement::Dowolny) {
                zgodny = true;
            } else if (e.Rodzaj == TElement::Znak) {
                zgodny = e.Wartosc == nazwa[n];
            } else {
                for (const auto& [od, do_] : e.Zakresy)
                    zgodny = zgodny || (nazwa[n] >= od && nazwa[n] <= do_);
                zgodny = zgodny != e.Negacja;
            }
            if (zgodny) {
                ++w;
                ++n;
                continue;
            }
        }
        if (gwiazdka == std::string::npos)
            return false;
        w = gwiazdka + 1;
        n = ++poGwiazdce;
    }
    while (w < wzor.size() && wzor[w].Rodzaj == TElement::Gwiazdka)
        ++w;
    return w == wzor.size();
}

bool TMaskFile::Matches(const std::string& nazwa) const {
    if (FNicNiePasuje)
        return false;
    const std::u32string znaki = Znaki(WielkieLitery(nazwa));
    return Pasuje(FWzor, znaki) || (FBezRozszerzenia && Pasuje(FWzorBezRozszerzenia, znaki));
}

}  // namespace ramvel
