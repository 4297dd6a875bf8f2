#pragma once
// The small markup of message texts: "^" and CR LF break lines; leading
// <FONT:name>/<SIZE:n> tags choose the font; <B> <I> <U> <S> and their closing
// forms switch styles; <COLOR:v> sets the colour; <ALIGN:v> starts an aligned
// paragraph. Any other tag stays in the text as written.
#include <cstdint>
#include <string>
#include <vector>

namespace ramvel {

// Colours in the Windows layout 0x00BBGGRR; system colours are 0xFF000000 plus
// the system colour index; 0x20000000 is "the default colour".
constexpr uint32_t kKolorDomyslny = 0x20000000;

struct TStylZnakow {
    bool Pogrubienie = false;
    bool Kursywa = false;
    bool Podkreslenie = false;
    bool Przekreslenie = false;
    uint32_t Kolor = kKolorDomyslny;
    bool operator==(const TStylZnakow&) const = default;
};

enum class TWyrownanie { Lewo, Srodek, Prawo };

struct TKawalek {
    std::string Tekst;
    TStylZnakow Styl;
    bool NowyAkapit = false;  // a paragraph starts before this piece
    TWyrownanie Wyrownanie = TWyrownanie::Lewo;  // of the paragraph it starts
};

struct TTekstZeZnacznikami {
    std::string Czcionka = "MS Sans Serif";
    int Rozmiar = 8;
    std::vector<TKawalek> Kawalki;
};

TTekstZeZnacznikami RozbierzZnaczniki(const std::string& tresc);

// A colour value of a <COLOR:...> tag: decimal, "$" hexadecimal, or a name.
uint32_t KolorZTekstu(const std::string& wartosc);

}  // namespace ramvel
