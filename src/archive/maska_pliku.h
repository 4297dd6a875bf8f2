#pragma once
// TMaskFile (module MasksFile): file masks as the platform matched them,
// with "*.*" meaning every name, also names without a dot.
#include <string>
#include <vector>

namespace ramvel {

class TMaskFile {
public:
    // Raises EBlad "'<mask>' is an invalid mask at (<position>)" for a set
    // that is not closed or is empty.
    explicit TMaskFile(const std::string& maska);
    // Both sides in upper case (Polish letters included), the whole name.
    bool Matches(const std::string& nazwa) const;

private:
    struct TElement {
        enum { Znak, Dowolny, Gwiazdka, Zbior } Rodzaj;
        char32_t Wartosc = 0;
        bool Negacja = false;
        std::vector<std::pair<char32_t, char32_t>> Zakresy;
    };
    static TElement Element(decltype(TElement::Rodzaj) rodzaj, char32_t wartosc = 0) {
        TElement e{};
        e.Rodzaj = rodzaj;
        e.Wartosc = wartosc;
        return e;
    }
    static std::vector<TElement> Rozbierz(const std::string& maska);
    static bool Pasuje(const std::vector<TElement>& wzor, const std::u32string& nazwa);

    std::vector<TElement> FWzor;
    // A mask "x.*" takes also the bare "x": the extension may be absent.
    std::vector<TElement> FWzorBezRozszerzenia;
    bool FBezRozszerzenia = false;
    bool FNicNiePasuje = false;
};

}  // namespace ramvel
